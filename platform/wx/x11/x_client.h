#pragma once
// What a test or a script needs from the X server to watch a program from outside: its top-level
// windows by title, their places, and a close request as a window manager would send it.

#include <X11/Xlib.h>

#include <chrono>
#include <string>

namespace vexlune::wx::x11 {

struct WindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class XClient {
 public:
  explicit XClient(const std::string& display);
  ~XClient();
  XClient(const XClient&) = delete;
  XClient& operator=(const XClient&) = delete;

  bool connected() const { return display_ != nullptr; }
  // A mapped top-level window whose title (UTF-8) is `title`; 0 when none appears in time.
  Window wait_for_window(const std::string& title, std::chrono::milliseconds limit);
  bool is_shown(Window window);
  WindowPlace place(Window window);
  // Asks the window to close (WM_DELETE_WINDOW), as a click on its close box would.
  void request_close(Window window);

 private:
  std::string title_of(Window window);

  ::Display* display_ = nullptr;
};

}  // namespace vexlune::wx::x11
