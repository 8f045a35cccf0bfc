#include "app/ui/desktop.h"

namespace vexlune::ui {

void pop_up_menu(Desktop& desktop, Window& window, std::string_view menu) {
  int item = desktop.popup_menu(window, menu);
  if (item >= 0) window.choose_menu_item(menu, item);
}

}  // namespace vexlune::ui
