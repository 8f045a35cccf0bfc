#pragma once
// A desktop with nobody in front of it: every call is recorded, and answered from a script the
// test sets up. Safe to call from any thread; each call is answered on the calling thread.

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "app/ui/desktop.h"

namespace vexlune::headless {

struct MessageBox {
  std::string text;  // GBK
  int flags = 0;
  std::string title;  // GBK
};

class HeadlessDesktop : public ui::Desktop {
 public:
  // Answers a message box. Queued answers go first, in order; then the handler, if set; else a
  // box answers as if closed (OK for flags 64, No for Yes/No).
  using MessageBoxHandler = std::function<int(const MessageBox&)>;
  // Runs while a modal window is open, on the thread that opened it; the window closes when
  // the action returns.
  using ModalAction = std::function<void(ui::Window&)>;

  void queue_answer(int answer);
  void set_message_box_handler(MessageBoxHandler handler);
  // Item index chosen at the next popup, in order; -1 dismisses. With none queued the menu is
  // dismissed.
  void queue_menu_choice(int item);
  // Actions for the next modal windows, in order; with none queued a modal closes at once.
  void queue_modal_action(ModalAction action);

  // What was shown, in order.
  std::vector<MessageBox> message_boxes() const;
  std::vector<std::string> modal_windows() const;  // window names
  std::vector<std::string> popup_menus() const;    // menu names (GBK)
  std::vector<std::string> clipboard_texts() const;
  std::vector<std::string> opened_urls() const;
  // Every call as one line ("message_box <title>", "modal <name>", "popup <menu>",
  // "clipboard <text>", "open_url <url>"), for checking the order of mixed calls.
  std::vector<std::string> log() const;

  int message_box(std::string_view text, int flags, std::string_view title) override;
  void show_modal(const std::shared_ptr<ui::Window>& window) override;
  int popup_menu(ui::Window& window, std::string_view menu) override;
  void set_clipboard(std::string_view text) override;
  void open_url(std::string_view url) override;

 private:
  mutable std::mutex mutex_;
  std::deque<int> answers_;
  MessageBoxHandler message_box_handler_;
  std::deque<int> menu_choices_;
  std::deque<ModalAction> modal_actions_;
  std::vector<MessageBox> message_boxes_;
  std::vector<std::string> modal_windows_;
  std::vector<std::string> popup_menus_;
  std::vector<std::string> clipboard_texts_;
  std::vector<std::string> opened_urls_;
  std::vector<std::string> log_;
};

}  // namespace vexlune::headless
