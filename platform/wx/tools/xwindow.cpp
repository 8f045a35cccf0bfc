// A window manager's two services for scripts on a bare X server (Xvfb has none):
//   vexlune_xwindow wait TITLE SECONDS   prints "ID LEFT TOP WIDTH HEIGHT" once a window with
//                                       that title is shown; status 1 if none is in time
//   vexlune_xwindow close ID             asks the window to close, as its close box would
// The display comes from DISPLAY.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/wx/x11/x_client.h"

int main(int argc, char** argv) {
  const char* display = std::getenv("DISPLAY");
  vexlune::wx::x11::XClient x(display ? display : "");
  if (!x.connected()) {
    std::fprintf(stderr, "vexlune_xwindow: cannot open the display\n");
    return 2;
  }
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "wait" && argc == 4) {
    const Window window = x.wait_for_window(argv[2], std::chrono::seconds(std::atoi(argv[3])));
    if (!window) return 1;
    const vexlune::wx::x11::WindowPlace place = x.place(window);
    std::printf("%lu %d %d %d %d\n", window, place.left, place.top, place.width, place.height);
    return 0;
  }
  if (command == "close" && argc == 3) {
    x.request_close(std::strtoul(argv[2], nullptr, 0));
    return 0;
  }
  std::fprintf(stderr, "usage: vexlune_xwindow wait TITLE SECONDS | close ID\n");
  return 2;
}
