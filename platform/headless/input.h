#pragma once
// What a person would do to the windows, done by a test: each writes the model first and then
// raises the event, on the calling thread, as the real backend does on the UI thread.
// Control names are GBK, as the models hold them (use gbk("选择夹1")).

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "app/ui/window.h"

namespace vexlune::headless {

// UTF-8 literal to GBK, and back, for tests.
std::string gbk(std::string_view utf8);
std::string utf8(std::string_view gbk_text);

// A click on a button or hyperlink; a disabled control takes no click. Returns whether it did.
bool click(ui::Window& window, std::string_view control);
// Selects a page of a tab control, then raises its Click.
void select_page(ui::Window& window, std::string_view tab, int page);
// Selects a row (-1 when the row does not exist), then raises ItemRightClick.
void right_click_row(ui::Window& window, std::string_view list, int row);
// Types into an edit box (replaces its text).
void type_text(ui::Window& window, std::string_view edit, std::string text);
// Checks a radio button and unchecks the other radio buttons of its page and parent.
void check_radio(ui::Window& window, std::string_view radio);
// Ticks a timer `times` times, stopping early when its period is 0 (a stopped timer does not
// tick). Returns the ticks delivered.
int tick(ui::Window& window, std::string_view timer, int times = 1);

// Polls `condition` until it holds or `timeout` passes; for waiting on workers.
bool eventually(const std::function<bool()>& condition,
                std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace vexlune::headless
