#pragma once
// For the app's tests: the program started on the headless backend, its notice page served by
// a loopback blog whose answer each test chooses.

#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "app/app.h"
#include "app/program.h"
#include "platform/headless/backend.h"
#include "platform/headless/input.h"
#include "testing/loopback_server.h"

namespace vexlune {

inline constexpr const char* TEST_NOTICE_POST = "vexlune-test";
inline constexpr const char* TEST_NOTICE_PATH = "/s/blog_vexlune-test.html";

// A blog whose notice-page answer can be changed while it runs; 404 until told otherwise.
class TestBlog {
 public:
  TestBlog()
      : server_(std::make_unique<testing::LoopbackServer>([this](const testing::Request& request) {
          std::lock_guard lock(mutex_);
          return answer_(request);
        })),
        url_(server_->url()) {}
  void answer(std::function<testing::Response(const testing::Request&)> answer) {
    std::lock_guard lock(mutex_);
    answer_ = std::move(answer);
  }
  // Serves `utf8_html` as the notice page.
  void serve(std::string utf8_html) {
    answer([html = std::move(utf8_html)](const testing::Request& request) {
      if (request.target != TEST_NOTICE_PATH) return testing::Response{.status = 404};
      return testing::Response{.body = html};
    });
  }
  std::string url() const { return url_; }
  std::vector<testing::Request> requests() const { return server_->requests(); }
  // Stops the server, ending any answer it is still holding back.
  void close() { server_.reset(); }

 private:
  std::mutex mutex_;
  std::function<testing::Response(const testing::Request&)> answer_ = [](const testing::Request&) {
    return testing::Response{.status = 404, .body = "none"};
  };
  // Last: stops before the answer it calls goes away.
  std::unique_ptr<testing::LoopbackServer> server_;
  std::string url_;
};

inline Endpoints test_endpoints(const std::string& blog_url) {
  return {.maker_url = "http://127.0.0.1:9",
          .blog_url = blog_url,
          .notice_post = TEST_NOTICE_POST,
          .search_url = "http://127.0.0.1:9"};
}

// The program between start and close. Closing runs the rest of the program (event loop end,
// exit routine) and waits for its workers.
struct StartedProgram {
  explicit StartedProgram(FeatureInstaller install = {}, std::string notice_html = {}) {
    if (!notice_html.empty()) blog.serve(std::move(notice_html));
    app = start_app(backend, test_endpoints(blog.url()), install);
    // The notice fetch's worker may still be ending; tests start from a quiet program.
    if (app) app->wait_for_workers(10000);
  }
  ~StartedProgram() {
    if (!app) return;
    run_app(backend, *app);
    blog.close();
    app->wait_for_workers(10000);
  }
  ui::Window& window() const { return app->main_window(); }
  headless::HeadlessDesktop& desktop() const { return backend.script(); }

  TestBlog blog;
  headless::HeadlessBackend backend;
  std::shared_ptr<App> app;
};

}  // namespace vexlune
