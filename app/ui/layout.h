#pragma once
// Window layouts as data: each window's controls come from one table that reads like the
// layout tables of the program's windows.

#include <cstdint>
#include <string>
#include <vector>

namespace vexlune::ui {

enum class ControlKind {
  TabControl,
  GroupBox,
  HyperLink,
  StatusBar,
  Timer,
  EditBox,
  Button,
  ListView,
  Label,
  RadioButton,
  WebBrowser,
  PictureBox,
  Menu,
};

// Pixels: left, top, width, height.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A Windows-style font request; height is the Windows font height in pixels (0 = default font).
struct Font {
  std::string face = {};
  int height = 0;
  bool bold = false;
};

// A list-view column or a status-bar part: title (or default text) and width in pixels.
struct Column {
  std::string title;
  int width = 0;
};

// One row of a layout table. `place` is relative to `parent` when it is set (a group box or the
// tab control itself, headers included), else to the window's client area. `page` is the tab
// page a control sits on, -1 when it is not on a page.
struct ControlLayout {
  ControlKind kind = ControlKind::Label;
  std::string name = {};
  Rect place = {};
  std::string text = {};  // GBK: caption, default text, web page URL; empty for none
  int page = -1;
  std::string parent = {};  // name of the enclosing control, empty for the window
  Font font = {};
  bool disabled = false;
  bool checked = false;
  std::vector<Column> columns = {};     // list-view columns or status-bar parts
  std::vector<std::string> items = {};  // tab pages or menu items (GBK)
};

// A top-level window's template.
struct WindowLayout {
  std::string name = {};   // MainWindow, IntroWindow, ResultsWindow
  std::string title = {};  // GBK
  Rect place = {};         // outer place and size
  std::vector<ControlLayout> controls = {};
};

}  // namespace vexlune::ui
