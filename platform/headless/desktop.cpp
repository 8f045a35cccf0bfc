#include "platform/headless/desktop.h"

namespace vexlune::headless {

void HeadlessDesktop::queue_answer(int answer) {
  std::lock_guard lock(mutex_);
  answers_.push_back(answer);
}

void HeadlessDesktop::set_message_box_handler(MessageBoxHandler handler) {
  std::lock_guard lock(mutex_);
  message_box_handler_ = std::move(handler);
}

void HeadlessDesktop::queue_menu_choice(int item) {
  std::lock_guard lock(mutex_);
  menu_choices_.push_back(item);
}

void HeadlessDesktop::queue_modal_action(ModalAction action) {
  std::lock_guard lock(mutex_);
  modal_actions_.push_back(std::move(action));
}

std::vector<MessageBox> HeadlessDesktop::message_boxes() const {
  std::lock_guard lock(mutex_);
  return message_boxes_;
}

std::vector<std::string> HeadlessDesktop::modal_windows() const {
  std::lock_guard lock(mutex_);
  return modal_windows_;
}

std::vector<std::string> HeadlessDesktop::popup_menus() const {
  std::lock_guard lock(mutex_);
  return popup_menus_;
}

std::vector<std::string> HeadlessDesktop::clipboard_texts() const {
  std::lock_guard lock(mutex_);
  return clipboard_texts_;
}

std::vector<std::string> HeadlessDesktop::opened_urls() const {
  std::lock_guard lock(mutex_);
  return opened_urls_;
}

std::vector<std::string> HeadlessDesktop::log() const {
  std::lock_guard lock(mutex_);
  return log_;
}

int HeadlessDesktop::message_box(std::string_view text, int flags, std::string_view title) {
  MessageBox box{std::string(text), flags, std::string(title)};
  MessageBoxHandler handler;
  {
    std::lock_guard lock(mutex_);
    message_boxes_.push_back(box);
    log_.push_back("message_box " + box.title);
    if (!answers_.empty()) {
      int answer = answers_.front();
      answers_.pop_front();
      return answer;
    }
    handler = message_box_handler_;
  }
  if (handler) return handler(box);
  return flags == ui::MB_YES_NO ? ui::ANSWER_NO : ui::ANSWER_OK;
}

void HeadlessDesktop::show_modal(const std::shared_ptr<ui::Window>& window) {
  ModalAction action;
  {
    std::lock_guard lock(mutex_);
    modal_windows_.push_back(window->name());
    log_.push_back("modal " + window->name());
    if (!modal_actions_.empty()) {
      action = std::move(modal_actions_.front());
      modal_actions_.pop_front();
    }
  }
  window->raise("", ui::Event::Created);
  if (action) action(*window);
  window->mark_closed();
}

int HeadlessDesktop::popup_menu(ui::Window&, std::string_view menu) {
  std::lock_guard lock(mutex_);
  popup_menus_.emplace_back(menu);
  log_.push_back("popup " + std::string(menu));
  if (menu_choices_.empty()) return -1;
  int item = menu_choices_.front();
  menu_choices_.pop_front();
  return item;
}

void HeadlessDesktop::set_clipboard(std::string_view text) {
  std::lock_guard lock(mutex_);
  clipboard_texts_.emplace_back(text);
  log_.push_back("clipboard " + std::string(text));
}

void HeadlessDesktop::open_url(std::string_view url) {
  std::lock_guard lock(mutex_);
  opened_urls_.emplace_back(url);
  log_.push_back("open_url " + std::string(url));
}

}  // namespace vexlune::headless
