#include "app/program.h"

#include "app/main_window.h"
#include "net/init.h"
#include "skin/skin.h"

namespace vexlune {

std::shared_ptr<App> start_app(Backend& backend, const Endpoints& endpoints,
                               const FeatureInstaller& install) {
  if (!backend.init_toolkit()) return nullptr;
  // Before any worker exists, so that the HTTP client's process-wide state belongs to this
  // thread, which lives to the end.
  init_http_client();
  std::shared_ptr<App> app = App::create(endpoints, backend.desktop());
  init_app_state(app->state);
  app->set_exit_routine([](App& ending) { release_app_state(ending.state); });
  load_skin_library(app->state);
  bind_main_window(*app);
  if (install) install(*app);
  backend.create_window(*app, app->main_window());
  app->main_window().raise("", ui::Event::Created);
  return app;
}

int run_app(Backend& backend, App& app) {
  backend.run_event_loop(app);
  app.run_exit_routine();
  return 0;
}

int program_start(Backend& backend, const Endpoints& endpoints, const FeatureInstaller& install) {
  std::shared_ptr<App> app = start_app(backend, endpoints, install);
  if (!app) return 1;
  return run_app(backend, *app);
}

}  // namespace vexlune
