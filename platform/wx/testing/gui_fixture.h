#pragma once
// In-process GUI tests: a private Xvfb and wx started once per test process, an App drawn by
// the wx backend, and a script that runs on a driver thread while the test's own thread runs
// the event loop. The script reads real widget state through on_ui().

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include <gtest/gtest.h>
#include <wx/app.h>

#include "app/app.h"
#include "app/program.h"
#include "platform/wx/backend.h"

namespace vexlune::wx::testing {

// GBK from a UTF-8 literal, and the display text of a GBK text.
std::string gbk(std::string_view utf8);
wxString utf8(std::string_view text);

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the App as the program does (creation handler and notice page included).
  void start(const Endpoints& endpoints, const FeatureInstaller& install = {});
  // Runs the event loop until the main window closes; `script` runs meanwhile on another
  // thread and the window is closed after it, whatever it did.
  void run(const std::function<void()>& script);

  // Script side: runs `job` on the UI thread and returns its result.
  template <typename Job>
  auto on_ui(Job job) -> decltype(job());
  // Script side: polls `condition` on the UI thread until it holds; false after `limit`.
  bool wait_until(const std::function<bool()>& condition,
                  std::chrono::milliseconds limit = std::chrono::seconds(20));
  void close_main_window();

  // Script side: real input through the X server's test extension, as a user gives it.
  static void xdotool(const std::string& arguments);
  static void click_at(wxPoint screen, int button = 1);
  // Script side: screen points of a tab's header, a widget's centre, a list row's first cell.
  wxPoint tab_header(int page);
  wxPoint centre_of(std::string_view utf8_name);
  wxPoint row_of(std::string_view utf8_name, int row);

  // UI side.
  wxWindow* widget(std::string_view utf8_name) const;
  ui::Window& window() const { return app->main_window(); }

  WxBackend backend{0, nullptr, ViewOptions{.web_views = false}};
  std::shared_ptr<App> app;
};

template <typename Job>
auto GuiTest::on_ui(Job job) -> decltype(job()) {
  using Result = decltype(job());
  auto promise = std::make_shared<std::promise<Result>>();
  std::future<Result> future = promise->get_future();
  wxTheApp->CallAfter([promise, job] {
    if constexpr (std::is_void_v<Result>) {
      job();
      promise->set_value();
    } else {
      promise->set_value(job());
    }
  });
  if (future.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
    ADD_FAILURE() << "the UI thread did not run a job within 30 s";
    std::abort();  // the loop is gone or hung: nothing sensible is left to check
  }
  return future.get();
}

}  // namespace vexlune::wx::testing
