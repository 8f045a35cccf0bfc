#pragma once
// How a backend plugs in
// ----------------------
// A backend makes the window models visible and runs the event loop; the app never includes a
// toolkit header. The program's `main` (platform/wx) does only this:
//
//   WxBackend backend(argc, argv);
//   return vexlune::program_start(backend, vexlune::Endpoints::compiled(), install_features);
//
// program_start (app/program.h) then calls, on the thread that called it (the UI thread):
//   1. backend.init_toolkit()                 - once, before anything else; false ends the start
//   2. backend.desktop()                      - the Desktop the App keeps for its whole life
//      ... builds the App, init_app_state, registers release_app_state, load_skin_library,
//      binds MainWindow's handlers and the features' ...
//   3. backend.create_window(app, main)       - build the widgets of the model, attach the
//      window's WindowObserver; do not show it yet and do not raise Created (program_start
//      raises Created itself right after this returns, so the creation handler runs while
//      the window is being created, before any other event)
//   4. backend.run_event_loop(app)            - show the main window and handle events until it
//      is closed; returns when the loop has ended
//      ... program_start then runs release_app_state once and returns 0.
//
// What every backend does inside the loop, for every window it shows (modal ones included):
//   - user input writes the model on the UI thread first (current page, edit text, selected
//     row, checked radio button), then raises the event: Window::raise(name, Event::Click) for
//     buttons, the tab control and hyperlinks; Event::ItemRightClick for list rows (after
//     set_selected_row); menu items are raised by ui::pop_up_menu, not by the backend.
//   - a hyperlink click only raises Click: the app's handler decides whether to open the link
//     (it hands only http/https addresses to Desktop::open_url). Never open it yourself.
//   - a timer control ticks while timer_period() > 0, raising Event::Tick on the UI thread;
//     a worker writing period 1 must start real ticking (watch control_changed).
//   - closing a window other than the main one ends its Desktop::show_modal call.

#include <memory>

#include "app/ui/desktop.h"
#include "app/ui/window.h"

namespace vexlune {

class App;

class Backend {
 public:
  virtual ~Backend() = default;
  // Initialises the toolkit and its support; false when there is no toolkit to run (no display).
  virtual bool init_toolkit() = 0;
  // The desktop services (message boxes, modal windows, popup menus, clipboard, open URL).
  virtual std::shared_ptr<ui::Desktop> desktop() = 0;
  // Builds the widgets of `window` (the start window) and attaches its observer; not shown yet.
  virtual void create_window(App& app, ui::Window& window) = 0;
  // Shows the main window and runs the event loop until the main window is closed.
  virtual void run_event_loop(App& app) = 0;
};

}  // namespace vexlune
