#pragma once
// IntroWindow: a movie's name, poster and introduction, from the selected_* fields of AppState
// (set by the catalog lists, the results window and the group board).

#include <memory>
#include <string>

#include "app/ui/layout.h"
#include "app/ui/window.h"

namespace vexlune {

class App;

// The window's template (UTF-8); `maker_url` is shown in the status bar.
ui::WindowLayout intro_window_layout(const std::string& maker_url);

// A fresh IntroWindow model showing the default poster, with show_intro bound to its creation.
std::shared_ptr<ui::Window> make_intro_window(App& app);

// Creation: title, introduction, stretch mode, then the poster fetch on a worker.
void show_intro(App& app, const std::shared_ptr<ui::Window>& window);

// Fetches and decodes the poster on the calling worker and sets it on the window's picture box
// (no picture when the bytes are empty or no image). Dropped when the window has been closed
// or destroyed meanwhile, so it never lands in another opening.
void load_poster(const std::weak_ptr<ui::Window>& window, const std::string& poster_url);

// Opens IntroWindow modally for the current selected_* fields; returns when it is closed.
void open_intro_window(App& app);

}  // namespace vexlune
