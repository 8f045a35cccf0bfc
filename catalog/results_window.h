#pragma once
// ResultsWindow: the matches of one catalog search, handed over through the hit arrays of
// AppState, with the same three row actions as the catalog lists.

#include <memory>
#include <string>

#include "app/ui/layout.h"
#include "app/ui/window.h"

namespace vexlune {

class App;

// The window's template (UTF-8); `maker_url` is shown in the status bar.
ui::WindowLayout results_window_layout(const std::string& maker_url);

// A fresh ResultsWindow model with fill_results bound to its creation and its list's
// right-click and menu bound to the row actions.
std::shared_ptr<ui::Window> make_results_window(App& app);

// Creation: hides the menu bar, titles the window after the keyword, moves the hits into the
// list and empties the hit arrays.
void fill_results(App& app, ui::Window& window);

// Right-click on a result: remembers its link in results_link and its name, poster and
// introduction in the selected_* fields (selected_link stays), then pops up the menu.
void select_result_row(App& app, ui::Window& window);

// Opens ResultsWindow modally; returns when it is closed.
void open_results_window(App& app);

}  // namespace vexlune
