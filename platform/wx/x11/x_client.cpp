#include "platform/wx/x11/x_client.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <thread>

namespace vexlune::wx::x11 {
namespace {

// X errors (a window that went away between two calls) are expected while a program starts
// and ends; the default handler would end the test process.
int ignore_error(::Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

XClient::XClient(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
  XSetErrorHandler(ignore_error);
}

XClient::~XClient() {
  if (display_) XCloseDisplay(display_);
}

std::string XClient::title_of(Window window) {
  const Atom name = XInternAtom(display_, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display_, window, name, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &data) == Success &&
      data) {
    title.assign(reinterpret_cast<char*>(data), count);
  }
  if (data) XFree(data);
  return title;
}

bool XClient::is_shown(Window window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
}

Window XClient::wait_for_window(const std::string& title, std::chrono::milliseconds limit) {
  if (!display_) return 0;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (true) {  // looks at least once, also with no time to wait
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
      for (unsigned int i = 0; i < count && !found; ++i) {
        if (title_of(children[i]) == title && is_shown(children[i])) found = children[i];
      }
    }
    if (children) XFree(children);
    if (found) return found;
    if (std::chrono::steady_clock::now() >= deadline) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

WindowPlace XClient::place(Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, window, &attributes)) return {};
  int left = 0, top = 0;
  Window child;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &left, &top, &child);
  return {left, top, attributes.width, attributes.height};
}

void XClient::request_close(Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XFlush(display_);
}

}  // namespace vexlune::wx::x11
