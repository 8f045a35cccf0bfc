// The vexlune program: the App with the compiled-in endpoints, drawn by the wx backend.

#include <clocale>
#include <cstdio>
#include <cstring>

#include <langinfo.h>
#include <unistd.h>

#include "app/program.h"
#include "catalog/install.h"
#include "net/init.h"
#include "platform/wx/backend.h"

namespace {

// wx keeps the C locale unless told otherwise; the environment's locale, or a UTF-8 one where
// the environment names none, keeps converted texts and the X window name intact.
void use_utf8_locale() {
  std::setlocale(LC_ALL, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

int main(int argc, char** argv) {
  use_utf8_locale();
  vexlune::init_http_client();  // before any thread exists

  vexlune::wx::WxBackend backend(argc, argv);
  std::shared_ptr<vexlune::App> app =
      vexlune::start_app(backend, vexlune::Endpoints::compiled(),
                         [](vexlune::App& a) { vexlune::install_catalog(a); });
  if (!app) {
    std::fprintf(stderr, "vexlune: cannot open the display\n");
    return 1;
  }
  const int status = vexlune::run_app(backend, *app);
  const bool workers_running = app->running_workers() > 0;
  app.reset();
  if (workers_running) {
    // Workers still in a download are not waited for: the process ends here, as it would on
    // the system the program was written for, instead of tearing down what they still use.
    std::fflush(nullptr);
    _exit(status);
  }
  return status;
}
