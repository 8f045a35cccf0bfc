#pragma once
// Carries model changes from any thread to the UI thread. Every write marks its control dirty;
// the first mark after a delivery posts one CallAfter, so a worker appending 100,000 rows one
// by one costs a handful of posts, not one per row.

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "app/ui/window.h"

namespace vexlune::wx {

class ChangeRelay : public ui::WindowObserver, public std::enable_shared_from_this<ChangeRelay> {
 public:
  // `refresh(i)` redraws control i of the window (-1: the window itself); it runs on the UI
  // thread, only while the relay is attached.
  using Refresh = std::function<void(int control)>;

  ChangeRelay(const ui::Window& window, Refresh refresh);

  void control_changed(ui::Control& control) override;
  void window_changed() override;

  // UI thread: from now on changes are dropped and nothing is posted; a post already queued
  // finds the relay detached and does nothing.
  void detach();

 private:
  void schedule();
  void deliver();

  std::unordered_map<const ui::Control*, int> index_;  // fixed after construction
  std::vector<std::atomic<bool>> dirty_;               // one per control, then the window
  std::atomic<bool> pending_{false};
  std::mutex mutex_;  // orders a post against detach
  bool attached_ = true;
  Refresh refresh_;  // used on the UI thread only
};

}  // namespace vexlune::wx
