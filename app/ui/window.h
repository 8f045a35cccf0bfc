#pragma once
// A window model: its title, its controls built from a layout table, and the handlers of its
// events. Handlers run on the thread that raises the event (the UI thread in the program, the
// test's thread headless).

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "app/ui/control.h"
#include "app/ui/layout.h"

namespace vexlune::ui {

enum class Event {
  Created,         // the window (control name "") is being created
  Click,           // button, tab control (after the current page changed), hyperlink
  ItemRightClick,  // list view, after the row under the mouse was selected
  Tick,            // timer
};

// The backend's ear: told, from any thread, that a control or the window changed.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void control_changed(Control& control) = 0;
  virtual void window_changed() = 0;
};

class Window {
 public:
  using Handler = std::function<void()>;

  explicit Window(const WindowLayout& layout);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& name() const { return name_; }
  Rect place() const { return place_; }
  std::string title() const;
  void set_title(std::string title);

  // Controls by their layout names; asking for a name the layout lacks is a programming error.
  Control& control(std::string_view name) const;
  ListView& list(std::string_view name) const;
  StatusBar& status_bar(std::string_view name) const;
  PictureBox& picture_box(std::string_view name) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  // Event routing: at most one handler per control and event; a later `on` replaces it.
  void on(std::string_view control, Event event, Handler handler);
  void raise(std::string_view control, Event event) const;
  // Menu items by their menu's name and the item's index from 0.
  void on_menu_item(std::string_view menu, int item, Handler handler);
  void choose_menu_item(std::string_view menu, int item) const;

  void set_observer(std::shared_ptr<WindowObserver> observer);
  std::shared_ptr<WindowObserver> observer() const;
  void notify_changed(Control& control) const;

  // Set when a modal window has been closed; late results for it are dropped.
  bool closed() const { return closed_.load(); }
  void mark_closed() { closed_.store(true); }

 private:
  Handler handler(const std::string& key) const;

  const std::string name_;
  const Rect place_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Control*, std::less<>> by_name_;
  mutable std::mutex mutex_;  // guards title_, handlers_, observer_
  std::string title_;
  std::map<std::string, Handler> handlers_;
  std::shared_ptr<WindowObserver> observer_;
  std::atomic<bool> closed_{false};
};

}  // namespace vexlune::ui
