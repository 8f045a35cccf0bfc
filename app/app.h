#pragma once
// The App object owns AppState, the window models, the endpoints and the desktop services.
// Feature routines take it as their first argument. It is always held by a shared_ptr so that
// workers keep it alive while they run, also after the main window has closed.

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "app/app_state.h"
#include "app/endpoints.h"
#include "app/ui/desktop.h"
#include "app/ui/window.h"

namespace vexlune {

class App;

// The workers that the tab-click handler starts; features fill them in when installed.
struct PageLoaders {
  std::array<std::function<void(App&)>, 2> catalog;  // page 0 "百度云", page 1 "360云盘"
  std::function<void(App&)> board;                   // page 3
};

class App : public std::enable_shared_from_this<App> {
 public:
  static std::shared_ptr<App> create(Endpoints endpoints, std::shared_ptr<ui::Desktop> desktop);

  AppState state;
  PageLoaders loaders;

  const Endpoints& endpoints() const { return endpoints_; }
  ui::Desktop& desktop() const { return *desktop_; }
  ui::Window& main_window() const { return *main_window_; }
  std::shared_ptr<ui::Window> main_window_ptr() const { return main_window_; }

  // Starts a detached worker that keeps the App alive while it runs; nobody joins it.
  void start_thread(std::function<void(App&)> routine);
  // For tests and shutdown: how many workers still run, and a bounded wait for none.
  int running_workers() const { return running_workers_.load(); }
  bool wait_for_workers(int timeout_ms);

  // The routine the program runs at its end, after the event loop (release_app_state).
  void set_exit_routine(std::function<void(App&)> routine);
  // Runs the exit routine the first time it is called; later calls do nothing.
  void run_exit_routine();
  bool exit_routine_ran() const { return exit_routine_ran_.load(); }

 private:
  App(Endpoints endpoints, std::shared_ptr<ui::Desktop> desktop);

  const Endpoints endpoints_;
  const std::shared_ptr<ui::Desktop> desktop_;
  const std::shared_ptr<ui::Window> main_window_;
  std::atomic<int> running_workers_{0};
  std::mutex workers_mutex_;
  std::condition_variable workers_done_;
  std::mutex exit_mutex_;
  std::function<void(App&)> exit_routine_;
  std::atomic<bool> exit_routine_ran_{false};
};

}  // namespace vexlune
