#include "platform/headless/backend.h"

#include <map>

#include "app/app.h"

namespace vexlune::headless {

// Counts change notices per control; the notices may come from any thread.
class HeadlessBackend::Observer : public ui::WindowObserver {
 public:
  void control_changed(ui::Control& control) override {
    std::lock_guard lock(mutex_);
    ++changes_[control.name()];
  }
  void window_changed() override {}
  int changes(const std::string& control) const {
    std::lock_guard lock(mutex_);
    auto it = changes_.find(control);
    return it == changes_.end() ? 0 : it->second;
  }

 private:
  mutable std::mutex mutex_;
  std::map<std::string, int> changes_;
};

HeadlessBackend::HeadlessBackend()
    : desktop_(std::make_shared<HeadlessDesktop>()), observer_(std::make_shared<Observer>()) {}

void HeadlessBackend::set_session(Session session) {
  session_ = std::move(session);
}

void HeadlessBackend::set_on_create_window(Session hook) {
  on_create_window_ = std::move(hook);
}

void HeadlessBackend::set_toolkit_available(bool available) {
  toolkit_available_ = available;
}

std::vector<std::string> HeadlessBackend::calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

int HeadlessBackend::changes(const std::string& control) const {
  return observer_->changes(control);
}

void HeadlessBackend::record(std::string call) {
  std::lock_guard lock(mutex_);
  calls_.push_back(std::move(call));
}

bool HeadlessBackend::init_toolkit() {
  record("init_toolkit");
  return toolkit_available_;
}

void HeadlessBackend::create_window(App& app, ui::Window& window) {
  record("create_window " + window.name());
  window.set_observer(observer_);
  if (on_create_window_) on_create_window_(app);
}

void HeadlessBackend::run_event_loop(App& app) {
  record("run_event_loop");
  if (session_) session_(app);
  record("event_loop_ended");
}

}  // namespace vexlune::headless
