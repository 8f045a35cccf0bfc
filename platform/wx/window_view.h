#pragma once
// The widgets of one window model: built from its layout table, redrawn from the models when
// they change, and writing user input into the models before raising the model's events.
// Lives on the UI thread; any thread may write the models.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include "app/ui/window.h"
#include "platform/wx/change_relay.h"
#include "platform/wx/placement.h"

namespace vexlune::wx {

struct ViewOptions {
  // Create embedded web-browser boxes (WebKit); without one the box stays empty.
  bool web_views = true;
};

class WindowView {
 public:
  // Builds the widgets of `model` into `top`; the layout's client area is `top`'s.
  WindowView(std::shared_ptr<ui::Window> model, wxTopLevelWindow* top, ViewOptions options = {});
  ~WindowView();
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  ui::Window& model() const { return *model_; }
  wxTopLevelWindow* top() const { return top_; }
  // The widget drawing a control; nullptr for timers, menus and a web view that failed.
  wxWindow* widget(std::string_view name) const;
  const wxTimer* timer(std::string_view name) const;

  // Redraws every control and the title from the models.
  void sync_all();
  // Stops timers and listening, and ignores input from then on.
  void detach();
  // Detaches the view and hands it to its window, which deletes it after its widgets: events
  // still queued for them when the window closes find the view alive (and ignore them).
  static void retire(std::unique_ptr<WindowView> view);

 private:
  struct Entry {
    ui::Control* control = nullptr;
    Placement placement;
    wxWindow* widget = nullptr;
    std::unique_ptr<wxTimer> timer;
    std::string typed;  // the GBK text the user's last keystroke wrote to the model
  };

  void build();
  void build_control(Entry& entry);
  wxWindow* container_of(const Entry& entry) const;
  void place_on_pages();
  void sync(int index);
  void sync_control(Entry& entry);
  void sync_menus();
  void bind_input(Entry& entry);
  void on_radio(Entry& entry);

  std::shared_ptr<ui::Window> model_;
  wxTopLevelWindow* top_;
  ViewOptions options_;
  wxPanel* client_ = nullptr;
  wxNotebook* tabs_ = nullptr;
  std::string tabs_name_;
  wxPoint page_origin_{-1, -1};  // where the page area starts inside the tab control
  std::vector<Entry> entries_;
  std::vector<std::string> shown_menus_;  // the menus on the menu bar, by name
  std::shared_ptr<ChangeRelay> relay_;
  bool detached_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // expires with this view
};

}  // namespace vexlune::wx
