#include "app/ui/gbk_spec.h"

#include "text/codepage.h"

namespace vexlune::ui {

WindowSpec gbk_window_spec(WindowSpec spec) {
  spec.title = utf8_to_gbk(spec.title);
  for (ControlSpec& control : spec.controls) {
    control.name = utf8_to_gbk(control.name);
    control.text = utf8_to_gbk(control.text);
    control.parent = utf8_to_gbk(control.parent);
    control.font.face = utf8_to_gbk(control.font.face);
    for (Column& column : control.columns)
      column.title = utf8_to_gbk(column.title);
    for (std::string& item : control.items)
      item = utf8_to_gbk(item);
  }
  return spec;
}

}  // namespace vexlune::ui
