#pragma once
// MainWindow's own handlers: window created, tab clicked, timer tick, and the advertisement
// links. Features bind their controls' handlers themselves.

namespace vexlune {

class App;

// Routes MainWindow's own events to the handlers below (each holds only a weak handle on the
// App, so the window's handlers never keep it alive).
void bind_main_window(App& app);

// Skin, version base 3, page "求片通道", menus hidden, load_idle 1, then the notice page.
void main_window_created(App& app);

// Loads the selected page's list the first time it is opened: catalogs while no other catalog
// load runs (else the busy box), the board whenever its list is empty.
void tab_clicked(App& app);

// Counts a tick and shows the count on the label of the page in view.
void timer_ticked(App& app);

}  // namespace vexlune
