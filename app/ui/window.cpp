#include "app/ui/window.h"

#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace vexlune::ui {
namespace {

std::unique_ptr<Control> make_control(Window& window, const ControlLayout& layout) {
  switch (layout.kind) {
    case ControlKind::ListView:
      return std::make_unique<ListView>(window, layout);
    case ControlKind::StatusBar:
      return std::make_unique<StatusBar>(window, layout);
    case ControlKind::PictureBox:
      return std::make_unique<PictureBox>(window, layout);
    default:
      return std::make_unique<Control>(window, layout);
  }
}

std::string event_key(std::string_view control, Event event) {
  return std::string(control) + '#' + std::to_string(static_cast<int>(event));
}

std::string menu_key(std::string_view menu, int item) {
  return std::string(menu) + '/' + std::to_string(item);
}

template <typename T>
T& checked_cast(Control& control) {
  auto* typed = dynamic_cast<T*>(&control);
  if (!typed) {
    std::fprintf(stderr, "control %s is not of the kind asked for\n", control.name().c_str());
    std::abort();
  }
  return *typed;
}

}  // namespace

Window::Window(const WindowLayout& layout)
    : name_(layout.name), place_(layout.place), title_(layout.title) {
  for (const ControlLayout& control_layout : layout.controls) {
    controls_.push_back(make_control(*this, control_layout));
    by_name_.emplace(control_layout.name, controls_.back().get());
  }
}

std::string Window::title() const {
  std::lock_guard lock(mutex_);
  return title_;
}

void Window::set_title(std::string title) {
  {
    std::lock_guard lock(mutex_);
    title_ = std::move(title);
  }
  if (auto ear = observer()) ear->window_changed();
}

Control& Window::control(std::string_view name) const {
  auto it = by_name_.find(name);
  if (it == by_name_.end()) {
    std::fprintf(stderr, "window %s has no control %.*s\n", name_.c_str(),
                 static_cast<int>(name.size()), name.data());
    std::abort();
  }
  return *it->second;
}

ListView& Window::list(std::string_view name) const {
  return checked_cast<ListView>(control(name));
}

StatusBar& Window::status_bar(std::string_view name) const {
  return checked_cast<StatusBar>(control(name));
}

PictureBox& Window::picture_box(std::string_view name) const {
  return checked_cast<PictureBox>(control(name));
}

void Window::on(std::string_view control, Event event, Handler handler) {
  std::lock_guard lock(mutex_);
  handlers_[event_key(control, event)] = std::move(handler);
}

Window::Handler Window::handler(const std::string& key) const {
  std::lock_guard lock(mutex_);
  auto it = handlers_.find(key);
  return it == handlers_.end() ? Handler{} : it->second;
}

void Window::raise(std::string_view control, Event event) const {
  // Copied out so a handler may register handlers or raise events itself.
  if (Handler run = handler(event_key(control, event))) run();
}

void Window::on_menu_item(std::string_view menu, int item, Handler handler) {
  std::lock_guard lock(mutex_);
  handlers_[menu_key(menu, item)] = std::move(handler);
}

void Window::choose_menu_item(std::string_view menu, int item) const {
  if (Handler run = handler(menu_key(menu, item))) run();
}

void Window::set_observer(std::shared_ptr<WindowObserver> observer) {
  std::lock_guard lock(mutex_);
  observer_ = std::move(observer);
}

std::shared_ptr<WindowObserver> Window::observer() const {
  std::lock_guard lock(mutex_);
  return observer_;
}

void Window::notify_changed(Control& control) const {
  if (auto ear = observer()) ear->control_changed(control);
}

}  // namespace vexlune::ui
