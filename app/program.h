#pragma once
// The program's start and end, independent of the backend that draws it.

#include <functional>
#include <memory>

#include "app/app.h"
#include "app/backend.h"
#include "app/endpoints.h"

namespace vexlune {

// Binds the features' handlers and page loaders to a freshly built App (catalogs, search,
// board). Runs after MainWindow's own handlers are bound and before the window is created.
using FeatureInstaller = std::function<void(App&)>;

// Start steps up to a running main window: toolkit, AppState, exit routine, skin library,
// MainWindow created (its creation handler has run, notice page included). Empty when the
// toolkit could not be initialised.
std::shared_ptr<App> start_app(Backend& backend, const Endpoints& endpoints,
                               const FeatureInstaller& install = {});

// Runs the event loop until the main window closes, then the exit routine. Returns 0.
int run_app(Backend& backend, App& app);

// start_app then run_app. Returns 0 after the event loop, 1 when the toolkit failed to start.
int program_start(Backend& backend, const Endpoints& endpoints,
                  const FeatureInstaller& install = {});

}  // namespace vexlune
