// The real vexlune program under a private Xvfb, watched from outside as a user would see it.
// The build's endpoints must be loopback ones (CI builds them so): the program then reaches
// only the servers these tests start.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/endpoints.h"
#include "platform/wx/testing/xvfb.h"
#include "platform/wx/x11/x_client.h"
#include "testing/loopback_server.h"

extern char** environ;

namespace vexlune::wx::testing {
namespace {

using namespace std::chrono_literals;
using vexlune::testing::LoopbackServer;
using vexlune::testing::Request;
using vexlune::testing::Response;
using x11::WindowPlace;
using x11::XClient;

const std::string MAIN_TITLE = "Vexlune资源器[最新最全的电影资源] v 3.0";

// The port of a loopback URL ("http://127.0.0.1:28081"), 0 for any other host.
int loopback_port(const std::string& url) {
  const std::string prefix = "http://127.0.0.1:";
  if (url.rfind(prefix, 0) != 0) return 0;
  return std::atoi(url.c_str() + prefix.size());
}

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    const Endpoints compiled = Endpoints::compiled();
    maker_port_ = loopback_port(compiled.maker_url);
    blog_port_ = loopback_port(compiled.blog_url);
    if (!maker_port_ || !blog_port_ || !loopback_port(compiled.search_url))
      GTEST_SKIP() << "vexlune was built with endpoints off this machine";
    if (xvfb_.display().empty()) GTEST_SKIP() << "no X server (Xvfb) could be started";
    use_display(xvfb_.display());
    x_ = std::make_unique<XClient>(xvfb_.display());
    ASSERT_TRUE(x_->connected());
  }

  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  void launch() {
    const std::string program = VEXLUNE_PROGRAM;
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, log_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_EQ(posix_spawn(&pid_, program.c_str(), &files, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&files);
  }

  // The exit status, or -1 when the program has not ended within `limit`.
  int wait_for_exit(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
      int status;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(50ms);
    }
    return -1;
  }

  std::string log() const {
    std::ifstream in(log_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // A real click through the X server's test extension, as the mouse would give it.
  void click(int x, int y) {
    const std::string command =
        "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }

  Xvfb xvfb_;
  std::unique_ptr<XClient> x_;
  int maker_port_ = 0, blog_port_ = 0;
  pid_t pid_ = -1;
  std::string log_ = "/tmp/vexlune-program-test-" + std::to_string(getpid()) + ".log";
};

TEST_F(Program, ShowsTheUpdatePromptThenItsWindowAndExitsWithZeroWhenClosed) {
  LoopbackServer blog(
      [](const Request&) {
        return Response{.body =
                            "<P>版本号=4</P><P>更新内容=新版本</P><P>状态条=好</P>"
                            "<P>官方网站=http://127.0.0.1/</P>"};
      },
      blog_port_);
  ASSERT_NE(blog.port(), 0) << "port " << blog_port_ << " is taken";
  launch();
  // The prompt comes from the creation handler, before the main window shows.
  const Window prompt = x_->wait_for_window("更新提示", 90s);
  ASSERT_NE(prompt, 0u) << log();
  x_->request_close(prompt);  // closing the box answers No: nothing opens
  const Window main = x_->wait_for_window(MAIN_TITLE, 60s);
  ASSERT_NE(main, 0u) << log();
  const WindowPlace place = x_->place(main);
  EXPECT_EQ(place.left, 50);
  EXPECT_EQ(place.top, 50);
  EXPECT_EQ(place.width, 929);
  EXPECT_EQ(place.height, 501);
  x_->request_close(main);
  EXPECT_EQ(wait_for_exit(60s), 0) << log();
}

TEST_F(Program, ClosingDuringACatalogLoadExitsWithZero) {
  LoopbackServer blog([](const Request&) { return Response{.body = "<P>版本号=3</P>"}; },
                      blog_port_);
  // The catalog never comes: the loader's worker is still waiting when the window closes.
  LoopbackServer maker(
      [](const Request& request) {
        if (request.target.find("/baiduyun/") == 0) return Response{.stall = 120s};
        return Response{.status = 404};
      },
      maker_port_);
  ASSERT_NE(blog.port(), 0) << "port " << blog_port_ << " is taken";
  ASSERT_NE(maker.port(), 0) << "port " << maker_port_ << " is taken";
  launch();
  const Window main = x_->wait_for_window(MAIN_TITLE, 90s);
  ASSERT_NE(main, 0u) << log();
  // The first tab's header: the window has no frame and sits at 50,50; the tabs start at 0,8.
  auto catalog_requested = [&] {
    for (const Request& request : maker.requests()) {
      if (request.target.find("/baiduyun/") == 0) return true;
    }
    return false;
  };
  for (int attempt = 0; attempt < 100 && !catalog_requested(); ++attempt) {
    if (attempt % 20 == 0) click(50 + 20, 50 + 8 + 10);
    std::this_thread::sleep_for(100ms);
  }
  ASSERT_TRUE(catalog_requested()) << log();
  x_->request_close(main);
  EXPECT_EQ(wait_for_exit(30s), 0) << log();
}

}  // namespace
}  // namespace vexlune::wx::testing
