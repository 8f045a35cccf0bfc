#pragma once
// The desktop services on wx. Every call runs on the UI thread; a call from a worker posts the
// work there and blocks only that worker. Closing the main window stops the desktop: blocked
// calls return their closed answers, open dialogs end, and later calls return at once.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include <wx/dialog.h>

#include "app/ui/desktop.h"
#include "platform/wx/window_view.h"

namespace vexlune::wx {

class WxDesktop : public ui::Desktop, public std::enable_shared_from_this<WxDesktop> {
 public:
  explicit WxDesktop(ViewOptions options = {}) : options_(options) {}

  int message_box(std::string_view text, int flags, std::string_view title) override;
  void show_modal(const std::shared_ptr<ui::Window>& window) override;
  int popup_menu(ui::Window& window, std::string_view menu) override;
  void set_clipboard(std::string_view text) override;
  void open_url(std::string_view url) override;

  // UI thread: the shown windows, so that a popup finds the window it belongs to.
  void add_view(WindowView* view);
  void remove_view(WindowView* view);
  WindowView* view_of(const ui::Window& window) const;

  // Any thread; ends open dialogs when called on the UI thread.
  void stop();
  bool stopped() const;

  // UI thread: the innermost dialog this desktop is showing (message box or modal window).
  wxDialog* top_dialog() const;

 private:
  // Runs `job` on the UI thread and returns its result, or `closed` once the desktop stopped.
  int on_ui(std::function<int()> job, int closed);
  int show_message_box(std::string_view text, int flags, std::string_view title);
  void show_window(const std::shared_ptr<ui::Window>& window);
  int show_popup(const ui::Window* window, std::string_view menu);

  const ViewOptions options_;
  mutable std::mutex mutex_;
  std::condition_variable done_;
  bool stopped_ = false;
  std::vector<WindowView*> views_;  // UI thread only
  std::vector<wxDialog*> dialogs_;  // UI thread only, innermost last
};

}  // namespace vexlune::wx
