#pragma once
// Control models: the state of every control, safe to read and write from any thread.
// Writes tell the window's observer (the backend), which redraws on the UI thread; reads
// never wait for the UI thread.

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "app/ui/image.h"
#include "app/ui/layout.h"

namespace vexlune::ui {

class Window;

class Control {
 public:
  Control(Window& window, ControlLayout layout);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlLayout& layout() const { return layout_; }
  const std::string& name() const { return layout_.name; }
  ControlKind kind() const { return layout_.kind; }
  Window& window() const { return window_; }

  // GBK text: edit box content, caption, hyperlink text, web page URL.
  std::string text() const;
  void set_text(std::string text);
  bool disabled() const;
  void set_disabled(bool disabled);
  // Menus: false hides a menu-bar menu; it stays usable as a popup.
  bool visible() const;
  void set_visible(bool visible);
  bool checked() const;
  void set_checked(bool checked);
  // Windows colour value 0x00BBGGRR; 0 is black.
  std::uint32_t text_colour() const;
  void set_text_colour(std::uint32_t colour);
  // Hyperlink target opened on click; empty opens nothing.
  std::string link_target() const;
  void set_link_target(std::string url);
  // Tab control page index from 0.
  int current_page() const;
  void set_current_page(int page);
  // Timer period in milliseconds; 0 stops the timer.
  int timer_period() const;
  void set_timer_period(int period_ms);

 protected:
  // Tells the backend that this control needs redrawing; call with no lock held.
  void changed();
  mutable std::mutex mutex_;

 private:
  template <typename T>
  void write(T& field, T value);

  Window& window_;
  const ControlLayout layout_;
  std::string text_;
  bool disabled_;
  bool visible_ = true;
  bool checked_;
  std::uint32_t text_colour_ = 0;
  std::string link_target_;
  int current_page_ = 0;
  int timer_period_ = 0;
};

// A report list view whose rows live here; the view asks only for what it shows.
class ListView : public Control {
 public:
  using Control::Control;
  using Row = std::vector<std::string>;

  int column_count() const { return static_cast<int>(layout().columns.size()); }
  // Appends a row (cells beyond the column count are dropped, missing ones empty); returns
  // its index from 0.
  int append_row(Row cells = {});
  // Appends many rows under one lock: what a loader adding a whole file wants.
  void append_rows(std::vector<Row> rows);
  void set_cell(int row, int column, std::string text);
  // Empty when the row or column does not exist.
  std::string cell(int row, int column) const;
  int row_count() const;
  void clear();
  // Row index from 0, -1 when no row is selected.
  int selected_row() const;
  void set_selected_row(int row);

 private:
  Row normalised(Row cells) const;
  std::deque<Row> rows_;
  int selected_row_ = -1;
};

// A status bar: parts counted from 0, widths from the layout.
class StatusBar : public Control {
 public:
  StatusBar(Window& window, ControlLayout layout);
  int part_count() const { return static_cast<int>(layout().columns.size()); }
  std::string part_text(int part) const;
  void set_part_text(int part, std::string text);

 private:
  std::vector<std::string> parts_;
};

// A picture box; no image means it shows only its background.
class PictureBox : public Control {
 public:
  using Control::Control;
  ImagePtr picture() const;
  void set_picture(ImagePtr image);
  // 1 stretches the picture to fill the box, ignoring proportions.
  int display_mode() const;
  void set_display_mode(int mode);

 private:
  ImagePtr picture_;
  int display_mode_ = 0;
};

}  // namespace vexlune::ui
