#include "app/ui/control.h"

#include <algorithm>
#include <utility>

#include "app/ui/window.h"

namespace vexlune::ui {

Control::Control(Window& window, ControlLayout layout)
    : window_(window),
      layout_(std::move(layout)),
      text_(layout_.text),
      disabled_(layout_.disabled),
      checked_(layout_.checked) {}

void Control::changed() {
  window_.notify_changed(*this);
}

template <typename T>
void Control::write(T& field, T value) {
  {
    std::lock_guard lock(mutex_);
    if (field == value) return;
    field = std::move(value);
  }
  changed();
}

std::string Control::text() const {
  std::lock_guard lock(mutex_);
  return text_;
}
void Control::set_text(std::string text) {
  write(text_, std::move(text));
}

bool Control::disabled() const {
  std::lock_guard lock(mutex_);
  return disabled_;
}
void Control::set_disabled(bool disabled) {
  write(disabled_, disabled);
}

bool Control::visible() const {
  std::lock_guard lock(mutex_);
  return visible_;
}
void Control::set_visible(bool visible) {
  write(visible_, visible);
}

bool Control::checked() const {
  std::lock_guard lock(mutex_);
  return checked_;
}
void Control::set_checked(bool checked) {
  write(checked_, checked);
}

std::uint32_t Control::text_colour() const {
  std::lock_guard lock(mutex_);
  return text_colour_;
}
void Control::set_text_colour(std::uint32_t colour) {
  write(text_colour_, colour);
}

std::string Control::link_target() const {
  std::lock_guard lock(mutex_);
  return link_target_;
}
void Control::set_link_target(std::string url) {
  write(link_target_, std::move(url));
}

int Control::current_page() const {
  std::lock_guard lock(mutex_);
  return current_page_;
}
void Control::set_current_page(int page) {
  write(current_page_, page);
}

int Control::timer_period() const {
  std::lock_guard lock(mutex_);
  return timer_period_;
}
void Control::set_timer_period(int period_ms) {
  write(timer_period_, period_ms);
}

ListView::Row ListView::normalised(Row cells) const {
  cells.resize(layout().columns.size());
  return cells;
}

int ListView::append_row(Row cells) {
  Row row = normalised(std::move(cells));  // built outside the lock
  int index;
  {
    std::lock_guard lock(mutex_);
    rows_.push_back(std::move(row));
    index = static_cast<int>(rows_.size()) - 1;
  }
  changed();
  return index;
}

void ListView::append_rows(std::vector<Row> rows) {
  if (rows.empty()) return;
  for (Row& row : rows)
    row = normalised(std::move(row));
  {
    std::lock_guard lock(mutex_);
    for (Row& row : rows)
      rows_.push_back(std::move(row));
  }
  changed();
}

void ListView::set_cell(int row, int column, std::string text) {
  {
    std::lock_guard lock(mutex_);
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    if (column < 0 || column >= static_cast<int>(rows_[row].size())) return;
    rows_[row][column] = std::move(text);
  }
  changed();
}

std::string ListView::cell(int row, int column) const {
  std::lock_guard lock(mutex_);
  if (row < 0 || row >= static_cast<int>(rows_.size())) return {};
  if (column < 0 || column >= static_cast<int>(rows_[row].size())) return {};
  return rows_[row][column];
}

int ListView::row_count() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(rows_.size());
}

void ListView::clear() {
  std::deque<Row> old;
  {
    std::lock_guard lock(mutex_);
    old.swap(rows_);  // freed outside the lock so a reader never waits on a big free
    selected_row_ = -1;
  }
  changed();
}

int ListView::selected_row() const {
  std::lock_guard lock(mutex_);
  return selected_row_;
}

void ListView::set_selected_row(int row) {
  {
    std::lock_guard lock(mutex_);
    selected_row_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
  }
  changed();
}

StatusBar::StatusBar(Window& window, ControlLayout layout) : Control(window, std::move(layout)) {
  for (const Column& part : this->layout().columns)
    parts_.push_back(part.title);
}

std::string StatusBar::part_text(int part) const {
  std::lock_guard lock(mutex_);
  if (part < 0 || part >= static_cast<int>(parts_.size())) return {};
  return parts_[part];
}

void StatusBar::set_part_text(int part, std::string text) {
  {
    std::lock_guard lock(mutex_);
    if (part < 0 || part >= static_cast<int>(parts_.size())) return;
    parts_[part] = std::move(text);
  }
  changed();
}

ImagePtr PictureBox::picture() const {
  std::lock_guard lock(mutex_);
  return picture_;
}

void PictureBox::set_picture(ImagePtr image) {
  {
    std::lock_guard lock(mutex_);
    picture_ = std::move(image);
  }
  changed();
}

int PictureBox::display_mode() const {
  std::lock_guard lock(mutex_);
  return display_mode_;
}

void PictureBox::set_display_mode(int mode) {
  {
    std::lock_guard lock(mutex_);
    display_mode_ = mode;
  }
  changed();
}

}  // namespace vexlune::ui
