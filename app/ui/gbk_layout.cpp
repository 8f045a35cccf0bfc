#include "app/ui/gbk_layout.h"

#include "text/codepage.h"

namespace vexlune::ui {

WindowLayout gbk_window_layout(WindowLayout layout) {
  layout.title = utf8_to_gbk(layout.title);
  for (ControlLayout& control : layout.controls) {
    control.name = utf8_to_gbk(control.name);
    control.text = utf8_to_gbk(control.text);
    control.parent = utf8_to_gbk(control.parent);
    control.font.face = utf8_to_gbk(control.font.face);
    for (Column& column : control.columns)
      column.title = utf8_to_gbk(column.title);
    for (std::string& item : control.items)
      item = utf8_to_gbk(item);
  }
  return layout;
}

}  // namespace vexlune::ui
