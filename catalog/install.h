#pragma once

namespace vexlune {

class App;

// Binds the catalogs to a fresh App: the two page loaders the tab click starts, the search
// buttons, the lists' right-click and the items of MainWindow's menu "菜单".
void install_catalog(App& app);

}  // namespace vexlune
