#pragma once
// The backend for tests: no display, no event loop of its own. The test's session plays the
// event loop: it runs with the App on the thread that called program_start, clicks and ticks
// through platform/headless/input.h, and the main window counts as closed when it returns.

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/backend.h"
#include "platform/headless/desktop.h"

namespace vexlune::headless {

class HeadlessBackend : public Backend {
 public:
  using Session = std::function<void(App&)>;

  HeadlessBackend();

  // What the event loop does; by default nothing (the window closes at once).
  void set_session(Session session);
  // Runs inside create_window, before the creation handler: for checking the start order.
  void set_on_create_window(Session hook);
  // Makes init_toolkit fail, as a machine without a display would.
  void set_toolkit_available(bool available);

  HeadlessDesktop& script() const { return *desktop_; }
  // The backend calls in order: "init_toolkit", "create_window MainWindow", "run_event_loop",
  // "event_loop_ended".
  std::vector<std::string> calls() const;
  // How many change notices each control's observer got, by control name.
  int changes(const std::string& control) const;

  bool init_toolkit() override;
  std::shared_ptr<ui::Desktop> desktop() override { return desktop_; }
  void create_window(App& app, ui::Window& window) override;
  void run_event_loop(App& app) override;

 private:
  class Observer;
  void record(std::string call);

  std::shared_ptr<HeadlessDesktop> desktop_;
  std::shared_ptr<Observer> observer_;
  Session session_;
  Session on_create_window_;
  bool toolkit_available_ = true;
  mutable std::mutex mutex_;
  std::vector<std::string> calls_;
};

}  // namespace vexlune::headless
