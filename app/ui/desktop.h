#pragma once
// What needs a person or the desktop. Called from a worker, each call blocks only that worker
// until the UI thread has done it. The wx backend shows real dialogs; the headless backend
// answers from a script the test sets up and records what was shown.

#include <memory>
#include <string>
#include <string_view>

#include "app/ui/window.h"

namespace vexlune::ui {

// Windows message-box flags the program uses, and the answers counted from 0.
inline constexpr int MB_OK_INFORMATION = 64;  // information icon, OK button
inline constexpr int MB_YES_NO = 4;
inline constexpr int ANSWER_OK = 0;
inline constexpr int ANSWER_YES = 5;
inline constexpr int ANSWER_NO = 6;

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Texts are GBK. Returns the button pressed; a box that could not be shown (the program is
  // ending) answers as if closed: OK for an OK box, No for a Yes/No box.
  virtual int message_box(std::string_view text, int flags, std::string_view title) = 0;
  // Shows the window modally: raises its Created event, returns when it is closed, and marks
  // it closed.
  virtual void show_modal(const std::shared_ptr<Window>& window) = 0;
  // Pops up a menu of the window at the mouse; returns the chosen item's index or -1. The
  // caller raises the item (see pop_up_menu).
  virtual int popup_menu(Window& window, std::string_view menu) = 0;
  virtual void set_clipboard(std::string_view text) = 0;
  // Hands the URL to the system's default handler. Callers filter schemes first.
  virtual void open_url(std::string_view url) = 0;
};

// Pops up `menu` and raises the chosen item's handler on this thread.
void pop_up_menu(Desktop& desktop, Window& window, std::string_view menu);

}  // namespace vexlune::ui
