#include "app/app.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/app_state.h"
#include "platform/headless/desktop.h"

namespace vexlune {
namespace {

std::shared_ptr<App> bare_app() {
  return App::create(Endpoints{}, std::make_shared<headless::HeadlessDesktop>());
}

TEST(App, TheExitRoutineRunsOnceWhoeverCallsItAndHowOften) {
  auto app = bare_app();
  std::atomic<int> runs{0};
  app->set_exit_routine([&](App&) { ++runs; });
  EXPECT_FALSE(app->exit_routine_ran());
  std::vector<std::thread> callers;
  for (int i = 0; i < 4; ++i)
    callers.emplace_back([&] { app->run_exit_routine(); });
  for (auto& caller : callers)
    caller.join();
  app->run_exit_routine();
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(app->exit_routine_ran());
}

TEST(App, AWorkerKeepsTheAppAliveUntilItEnds) {
  auto app = bare_app();
  std::weak_ptr<App> weak = app;
  std::atomic<bool> go{false};
  app->start_thread([&](App& running) {
    while (!go)
      std::this_thread::yield();
    running.state.load_idle = 1;
  });
  EXPECT_EQ(app->running_workers(), 1);
  app.reset();
  EXPECT_FALSE(weak.expired());
  go = true;
  while (!weak.expired())
    std::this_thread::yield();
}

TEST(AppState, ReleaseAfterUseLeavesNothingAndMayRunAgain) {
  AppState state;
  init_app_state(state);
  ASSERT_TRUE(state.skin_module);
  state.hit_names = {"a", "b"};
  state.hit_intros = {"x", "y"};
  state.selected_link = "link";
  state.skin_data = ".SHE";
  release_app_state(state);
  EXPECT_FALSE(state.skin_module);
  EXPECT_TRUE(state.hit_names.empty());
  EXPECT_TRUE(state.hit_intros.empty());
  EXPECT_TRUE(state.selected_link.empty());
  EXPECT_TRUE(state.skin_data.empty());
  release_app_state(state);  // a second run finds nothing to free
  EXPECT_FALSE(state.skin_module);
}

}  // namespace
}  // namespace vexlune
