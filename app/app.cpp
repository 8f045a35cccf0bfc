#include "app/app.h"

#include <chrono>
#include <thread>

#include "app/main_window_layout.h"
#include "app/ui/gbk_layout.h"

namespace vexlune {

std::shared_ptr<App> App::create(Endpoints endpoints, std::shared_ptr<ui::Desktop> desktop) {
  return std::shared_ptr<App>(new App(std::move(endpoints), std::move(desktop)));
}

App::App(Endpoints endpoints, std::shared_ptr<ui::Desktop> desktop)
    : endpoints_(std::move(endpoints)),
      desktop_(std::move(desktop)),
      main_window_(std::make_shared<ui::Window>(
          ui::gbk_window_layout(main_window_layout(endpoints_.maker_url)))) {}

void App::start_thread(std::function<void(App&)> routine) {
  running_workers_.fetch_add(1);
  std::thread([self = shared_from_this(), routine = std::move(routine)] {
    routine(*self);
    std::lock_guard lock(self->workers_mutex_);
    self->running_workers_.fetch_sub(1);
    self->workers_done_.notify_all();
  }).detach();
}

bool App::wait_for_workers(int timeout_ms) {
  std::unique_lock lock(workers_mutex_);
  return workers_done_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                                [this] { return running_workers_.load() == 0; });
}

void App::set_exit_routine(std::function<void(App&)> routine) {
  std::lock_guard lock(exit_mutex_);
  exit_routine_ = std::move(routine);
}

void App::run_exit_routine() {
  std::function<void(App&)> routine;
  {
    std::lock_guard lock(exit_mutex_);
    if (exit_routine_ran_.exchange(true)) return;
    routine = std::move(exit_routine_);
  }
  if (routine) routine(*this);
}

}  // namespace vexlune
