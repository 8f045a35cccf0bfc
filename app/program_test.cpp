#include "app/program.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/main_window_layout.h"
#include "app/test_support.h"
#include "skin/skin.h"

namespace vexlune {
namespace {

using headless::gbk;

// What the program looked like at one moment of its start.
struct Snapshot {
  bool state_built = false;
  bool released = false;
  int version_base = -1;
  int load_idle = -1;
  int page = -1;
  bool menus_hidden = false;
  int skin_hue = -1;
  std::string status_part5;

  static Snapshot of(App& app) {
    ui::Window& window = app.main_window();
    Snapshot s;
    s.state_built = app.state.skin_module != nullptr;
    s.released = app.exit_routine_ran();
    s.version_base = app.state.notice_version_base;
    s.load_idle = app.state.load_idle;
    s.page = window.control(gbk("选择夹1")).current_page();
    s.menus_hidden = true;
    for (const char* menu : {"菜单", "搜索菜单", "群共享菜单"})
      s.menus_hidden = s.menus_hidden && !window.control(gbk(menu)).visible();
    s.skin_hue = app.state.skin_hue;
    s.status_part5 = window.status_bar(gbk("状态条1")).part_text(5);
    return s;
  }
};

TEST(ProgramStart, RunsItsStepsInOrderAndReleasesOnceAfterTheEventLoop) {
  TestBlog blog;
  headless::HeadlessBackend backend;
  std::atomic<App*> starting{nullptr};
  Snapshot at_create_window, at_notice_fetch, in_event_loop;
  std::shared_ptr<App> kept;

  blog.answer([&](const testing::Request&) {
    at_notice_fetch = Snapshot::of(*starting.load());
    return testing::Response{.body = "状态条=S</P>版本号=9</P>"};
  });
  backend.script().set_message_box_handler([&](const headless::MessageBox&) {
    // The prompt comes after the status text was shown.
    EXPECT_EQ(Snapshot::of(*starting.load()).status_part5, "S");
    return ui::ANSWER_NO;
  });
  backend.set_on_create_window([&](App& app) {
    starting = &app;
    at_create_window = Snapshot::of(app);
  });
  backend.set_session([&](App& app) {
    in_event_loop = Snapshot::of(app);
    EXPECT_EQ(app.main_window().list(gbk("超级列表框1")).row_count(), 0);
    EXPECT_EQ(app.main_window().list(gbk("群共享列表框")).row_count(), 0);
    kept = app.shared_from_this();
  });

  EXPECT_EQ(program_start(backend, test_endpoints(blog.url())), 0);

  EXPECT_EQ(backend.calls(), (std::vector<std::string>{"init_toolkit", "create_window MainWindow",
                                                       "run_event_loop", "event_loop_ended"}));
  // The window is created on a built state, before its creation handler has run.
  EXPECT_TRUE(at_create_window.state_built);
  EXPECT_EQ(at_create_window.version_base, 0);
  EXPECT_EQ(at_create_window.load_idle, 0);
  EXPECT_EQ(at_create_window.page, 0);
  EXPECT_FALSE(at_create_window.menus_hidden);
  // The notice page is read last in the creation handler.
  EXPECT_EQ(at_notice_fetch.skin_hue, 180);
  EXPECT_EQ(at_notice_fetch.version_base, 3);
  EXPECT_EQ(at_notice_fetch.page, PAGE_REQUEST);
  EXPECT_TRUE(at_notice_fetch.menus_hidden);
  EXPECT_EQ(at_notice_fetch.load_idle, 1);
  EXPECT_EQ(at_notice_fetch.status_part5, gbk("提供最新最全的电影资源就找Vexlune"));
  // The loop starts after the handler, prompt answered, and before the exit routine.
  EXPECT_EQ(in_event_loop.status_part5, "S");
  EXPECT_EQ(backend.script().message_boxes().size(), 1u);
  EXPECT_FALSE(in_event_loop.released);
  EXPECT_TRUE(in_event_loop.state_built);

  ASSERT_TRUE(kept);
  EXPECT_TRUE(kept->exit_routine_ran());
  EXPECT_FALSE(kept->state.skin_module);
  EXPECT_EQ(kept->state.skin_data, "");
  EXPECT_EQ(kept->state.skin_saturation, 0);
  EXPECT_EQ(kept->state.skin_brightness, 0);
  EXPECT_EQ(blog.requests().size(), 1u);
  kept->wait_for_workers(10000);
}

TEST(ProgramStart, WithoutAToolkitEndsBeforeBuildingAnything) {
  headless::HeadlessBackend backend;
  backend.set_toolkit_available(false);
  bool looped = false;
  backend.set_session([&](App&) { looped = true; });
  EXPECT_EQ(program_start(backend, test_endpoints("http://127.0.0.1:9")), 1);
  EXPECT_EQ(backend.calls(), std::vector<std::string>{"init_toolkit"});
  EXPECT_FALSE(looped);
}

TEST(ProgramStart, CreationHandlerAttachesTheSkinAndLeavesTheRestAlone) {
  StartedProgram program;
  AppState& state = program.app->state;
  EXPECT_EQ(state.skin_data, SKIN_FILE);
  EXPECT_EQ(state.skin_hue, 180);
  ASSERT_TRUE(state.skin_module);
  EXPECT_FALSE(state.skin_module->loaded());  // no library yet: the windows run unskinned
  ui::Window& window = program.window();
  EXPECT_EQ(window.title(), gbk("Vexlune资源器[最新最全的电影资源] v 3.0"));
  for (const auto& control : window.controls()) {
    if (control->kind() != ui::ControlKind::Menu) {
      EXPECT_TRUE(control->visible()) << control->name();
    }
  }
  EXPECT_EQ(window.control(gbk("时钟1")).timer_period(), 0);
}

// Closing the window while a loader still runs: the program ends, the exit routine runs, and
// the worker goes on writing to state that stays alive until it is done.
TEST(ProgramEnd, ClosingWhileALoaderRunsEndsWithoutWaitingForIt) {
  TestBlog blog;
  headless::HeadlessBackend backend;
  std::atomic<bool> finish{false};
  std::atomic<int> answers_after_close{-1};
  std::weak_ptr<App> weak;
  auto install = [&](App& app) {
    app.loaders.catalog[0] = [&](App& loading) {
      ui::Window& window = loading.main_window();
      loading.state.load_idle = 0;
      window.control(gbk("时钟1")).set_timer_period(1);
      while (!finish) {
        window.list(gbk("超级列表框1")).append_row({"row", "link"});
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      window.control(gbk("时钟1")).set_timer_period(0);
      window.control(gbk("标签8")).set_text("done");
      answers_after_close = loading.desktop().message_box("late", 64, "t");
      loading.state.load_idle = 1;
    };
  };
  backend.set_session([&](App& app) {
    headless::select_page(app.main_window(), gbk("选择夹1"), PAGE_BAIDU);
    ASSERT_TRUE(headless::eventually(
        [&] { return app.main_window().list(gbk("超级列表框1")).row_count() > 10; }));
    weak = app.weak_from_this();
  });

  EXPECT_EQ(program_start(backend, test_endpoints(blog.url()), install), 0);

  auto app = weak.lock();
  ASSERT_TRUE(app);
  EXPECT_TRUE(app->exit_routine_ran());
  EXPECT_EQ(app->state.load_idle, 0);
  app.reset();
  finish = true;
  EXPECT_TRUE(headless::eventually([&] { return weak.expired(); }));
  EXPECT_EQ(answers_after_close, ui::ANSWER_OK);
}

}  // namespace
}  // namespace vexlune
