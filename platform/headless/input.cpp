#include "platform/headless/input.h"

#include <thread>

#include "text/codepage.h"

namespace vexlune::headless {

std::string gbk(std::string_view utf8) {
  return utf8_to_gbk(utf8);
}

std::string utf8(std::string_view gbk_text) {
  return gbk_to_utf8(gbk_text);
}

bool click(ui::Window& window, std::string_view control) {
  if (window.control(control).disabled()) return false;
  window.raise(control, ui::Event::Click);
  return true;
}

void select_page(ui::Window& window, std::string_view tab, int page) {
  window.control(tab).set_current_page(page);
  window.raise(tab, ui::Event::Click);
}

void right_click_row(ui::Window& window, std::string_view list, int row) {
  window.list(list).set_selected_row(row);
  window.raise(list, ui::Event::ItemRightClick);
}

void type_text(ui::Window& window, std::string_view edit, std::string text) {
  window.control(edit).set_text(std::move(text));
}

void check_radio(ui::Window& window, std::string_view radio) {
  const ui::ControlLayout& chosen = window.control(radio).layout();
  for (const auto& control : window.controls()) {
    const ui::ControlLayout& layout = control->layout();
    if (layout.kind == ui::ControlKind::RadioButton && layout.page == chosen.page &&
        layout.parent == chosen.parent)
      control->set_checked(layout.name == chosen.name);
  }
}

int tick(ui::Window& window, std::string_view timer, int times) {
  int delivered = 0;
  for (; delivered < times && window.control(timer).timer_period() > 0; ++delivered)
    window.raise(timer, ui::Event::Tick);
  return delivered;
}

bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace vexlune::headless
