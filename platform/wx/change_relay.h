#pragma once
// Carries model changes from any thread to the UI thread. Every write marks its control dirty;
// the first mark after a delivery posts one CallAfter, so a worker appending 100,000 rows one
// by one costs a handful of posts, not one per row. Deliveries are at least MIN_INTERVAL apart:
// a worker writing without pause, or a 1 ms timer rewriting a label, would otherwise keep the
// UI thread redrawing and starve the timer itself.

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include <wx/timer.h>

#include "app/ui/window.h"

namespace vexlune::wx {

class ChangeRelay : public ui::WindowObserver, public std::enable_shared_from_this<ChangeRelay> {
 public:
  // `refresh(i)` redraws control i of the window (-1: the window itself); it runs on the UI
  // thread, only while the relay is attached.
  using Refresh = std::function<void(int control)>;

  static constexpr std::chrono::milliseconds MIN_INTERVAL{15};

  ChangeRelay(const ui::Window& window, Refresh refresh);

  void control_changed(ui::Control& control) override;
  void window_changed() override;

  // UI thread: from now on changes are dropped and nothing is posted; a post already queued
  // finds the relay detached and does nothing.
  void detach();

 private:
  void schedule();
  void posted();   // UI thread: deliver now, or when MIN_INTERVAL has passed
  void deliver();  // UI thread

  std::unordered_map<const ui::Control*, int> index_;  // fixed after construction
  std::vector<std::atomic<bool>> dirty_;               // one per control, then the window
  std::atomic<bool> pending_{false};
  std::mutex mutex_;  // orders a post against detach
  bool attached_ = true;
  // UI thread only:
  Refresh refresh_;
  std::chrono::steady_clock::time_point last_delivery_{};
  std::unique_ptr<wxTimer> delay_;  // a wx timer belongs to the UI thread: detach drops it
};

}  // namespace vexlune::wx
