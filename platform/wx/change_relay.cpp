#include "platform/wx/change_relay.h"

#include <wx/app.h>

namespace vexlune::wx {

ChangeRelay::ChangeRelay(const ui::Window& window, Refresh refresh)
    : dirty_(window.controls().size() + 1), refresh_(std::move(refresh)) {
  for (size_t i = 0; i < window.controls().size(); ++i)
    index_.emplace(window.controls()[i].get(), static_cast<int>(i));
}

void ChangeRelay::control_changed(ui::Control& control) {
  auto it = index_.find(&control);
  if (it == index_.end()) return;
  dirty_[it->second].store(true);
  schedule();
}

void ChangeRelay::window_changed() {
  dirty_.back().store(true);
  schedule();
}

void ChangeRelay::schedule() {
  if (pending_.exchange(true)) return;
  std::lock_guard lock(mutex_);
  // While attached, the window and so the wx application are alive: detach runs on the UI
  // thread before either goes, and waits for a post in progress here.
  if (!attached_ || !wxTheApp) return;
  wxTheApp->CallAfter([self = shared_from_this()] { self->posted(); });
}

void ChangeRelay::posted() {
  if (!attached_) return;  // only the UI thread writes it, and this is the UI thread
  const auto since = std::chrono::steady_clock::now() - last_delivery_;
  if (since >= MIN_INTERVAL) return deliver();
  if (!delay_) {
    delay_ = std::make_unique<wxTimer>();
    delay_->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { deliver(); });
  }
  if (!delay_->IsRunning()) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(MIN_INTERVAL - since);
    delay_->StartOnce(static_cast<int>(wait.count()));
  }
}

void ChangeRelay::deliver() {
  if (!attached_) return;
  last_delivery_ = std::chrono::steady_clock::now();
  // Cleared before the scan: a write that lands after its flag was read posts again.
  pending_.store(false);
  const int controls = static_cast<int>(dirty_.size()) - 1;
  for (int i = 0; i < controls; ++i) {
    if (!attached_) return;  // only the UI thread writes it, and this is the UI thread
    if (dirty_[i].exchange(false)) refresh_(i);
  }
  if (attached_ && dirty_.back().exchange(false)) refresh_(-1);
}

void ChangeRelay::detach() {
  {
    std::lock_guard lock(mutex_);
    attached_ = false;
  }
  refresh_ = nullptr;
  delay_.reset();
}

}  // namespace vexlune::wx
