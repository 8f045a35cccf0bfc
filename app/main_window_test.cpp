#include "app/main_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>

#include "app/main_window_layout.h"
#include "app/test_support.h"

namespace vexlune {
namespace {

using headless::gbk;

// A stand-in page loader that holds its worker until the test lets it finish, then marks the
// catalog loads idle again as a catalog loader does.
class HeldLoader {
 public:
  std::function<void(App&)> routine(bool ends_idle) {
    return [this, ends_idle](App& app) {
      ++started;
      std::unique_lock lock(mutex_);
      released_.wait(lock, [this] { return released; });
      if (ends_idle) app.state.load_idle = 1;
      ++finished;
    };
  }
  void release() {
    std::lock_guard lock(mutex_);
    released = true;
    released_.notify_all();
  }
  std::atomic<int> started{0};
  std::atomic<int> finished{0};

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  bool released = false;
};

struct Loaders {
  HeldLoader baidu, yun360, board;
  FeatureInstaller installer() {
    return [this](App& app) {
      app.loaders.catalog[0] = baidu.routine(true);
      app.loaders.catalog[1] = yun360.routine(true);
      app.loaders.board = board.routine(false);
    };
  }
  void release_all() {
    baidu.release();
    yun360.release();
    board.release();
  }
};

const std::string BUSY_TEXT = gbk("您还有资源没有加载完成,请等资源加载完成在尝试!");

class TabClick : public ::testing::Test {
 protected:
  // Before the program closes, which waits for its workers.
  void TearDown() override { loaders.release_all(); }
  void select(int page) { headless::select_page(program.window(), gbk("选择夹1"), page); }
  int busy_boxes() const {
    int count = 0;
    for (const auto& box : program.desktop().message_boxes())
      if (box.text == BUSY_TEXT && box.title == gbk("提示") && box.flags == 64) ++count;
    return count;
  }

  Loaders loaders;  // outlives the program, whose workers run its routines
  StartedProgram program{loaders.installer()};
};

TEST_F(TabClick, PagesWithoutAListStartNothing) {
  select(PAGE_SEARCH);
  select(PAGE_REQUEST);
  EXPECT_EQ(program.app->running_workers(), 0);
  EXPECT_TRUE(program.desktop().log().empty());
}

TEST_F(TabClick, ACatalogLoadsOnceAndOnlyWhileNoOtherCatalogLoads) {
  select(PAGE_BAIDU);
  ASSERT_TRUE(headless::eventually([&] { return loaders.baidu.started == 1; }));
  // The second catalog is refused while the first runs, even before that worker has written
  // load_idle itself.
  select(PAGE_360);
  EXPECT_EQ(busy_boxes(), 1);
  select(PAGE_BAIDU);  // its list is still empty, and a load runs
  EXPECT_EQ(busy_boxes(), 2);
  EXPECT_EQ(loaders.yun360.started, 0);
  EXPECT_EQ(loaders.baidu.started, 1);

  // The first load ends with rows in its list; now the other page loads, and the first page
  // never reloads while its list has rows.
  program.window().list(gbk("超级列表框1")).append_row({gbk("电影")});
  loaders.baidu.release();
  ASSERT_TRUE(headless::eventually([&] { return program.app->state.load_idle == 1; }));
  select(PAGE_360);
  ASSERT_TRUE(headless::eventually([&] { return loaders.yun360.started == 1; }));
  loaders.yun360.release();
  ASSERT_TRUE(headless::eventually([&] { return program.app->state.load_idle == 1; }));
  select(PAGE_BAIDU);
  EXPECT_EQ(loaders.baidu.started, 1);
  EXPECT_EQ(busy_boxes(), 2);
}

TEST_F(TabClick, AFailedLoadThatLeftNoRowsLoadsAgainOnTheNextVisit) {
  select(PAGE_BAIDU);
  loaders.baidu.release();
  ASSERT_TRUE(headless::eventually([&] { return loaders.baidu.finished == 1; }));
  select(PAGE_REQUEST);
  select(PAGE_BAIDU);
  EXPECT_TRUE(headless::eventually([&] { return loaders.baidu.finished == 2; }));
}

TEST_F(TabClick, BusyLoadIdleShowsTheBoxEvenOnAFirstVisit) {
  program.app->state.load_idle = 0;
  select(PAGE_360);
  EXPECT_EQ(busy_boxes(), 1);
  EXPECT_EQ(program.app->running_workers(), 0);
}

TEST_F(TabClick, TheBoardLoadsWheneverItsListIsEmptyWithoutTheIdleCheck) {
  program.app->state.load_idle = 0;
  select(PAGE_BOARD);
  ASSERT_TRUE(headless::eventually([&] { return loaders.board.started == 1; }));
  program.window().list(gbk("群共享列表框")).append_row({"1"});
  select(PAGE_BOARD);
  EXPECT_EQ(loaders.board.started, 1);
  EXPECT_EQ(busy_boxes(), 0);
}

TEST(TimerTick, CountsAlwaysAndShowsTheCountOnTheLabelOfThePageInView) {
  StartedProgram program;
  ui::Window& window = program.window();
  const std::string timer = gbk("时钟1");
  EXPECT_EQ(headless::tick(window, timer), 0);  // stopped at start

  // A worker starts the timer, as a loader does.
  std::thread([&] { window.control(timer).set_timer_period(1); }).join();
  const std::string loading = gbk("正在加载电影资源  耗时  [ ");
  const std::string board = gbk("正在加载群数据  耗时  [ ");
  const std::string end = gbk(" ] 毫秒");
  struct Case {
    int page;
    const char* label;  // nullptr: no label is written
    std::string text;
  } cases[] = {
      {PAGE_BAIDU, "标签8", loading + "1" + end}, {PAGE_BAIDU, "标签8", loading + "2" + end},
      {PAGE_360, "标签9", loading + "3" + end},   {PAGE_SEARCH, nullptr, {}},
      {PAGE_BOARD, "标签7", board + "5" + end},   {PAGE_REQUEST, nullptr, {}},
      {PAGE_BAIDU, "标签8", loading + "7" + end},
  };
  for (const Case& c : cases) {
    window.control(gbk("选择夹1")).set_current_page(c.page);
    std::map<std::string, std::string> before;
    for (const char* label : {"标签7", "标签8", "标签9"})
      before[label] = window.control(gbk(label)).text();
    ASSERT_EQ(headless::tick(window, timer), 1);
    for (const char* label : {"标签7", "标签8", "标签9"}) {
      const std::string expected =
          c.label && std::string(c.label) == label ? c.text : before[label];
      EXPECT_EQ(window.control(gbk(label)).text(), expected) << "page " << c.page << " " << label;
    }
  }
  EXPECT_EQ(program.app->state.elapsed_ticks, 7);
  window.control(timer).set_timer_period(0);
  EXPECT_EQ(headless::tick(window, timer, 5), 0);
}

TEST(AdvertisementLink, OpensOnlyWebAddresses) {
  StartedProgram program;
  ui::Window& window = program.window();
  struct Case {
    std::string target;
    bool opens;
  } cases[] = {
      {"http://127.0.0.1/ad", true},
      {"HTTPS://127.0.0.1/ad?x=1", true},
      {"", false},
      {"file:///etc/passwd", false},
      {"javascript:alert(1)", false},
      {" http://127.0.0.1/", false},
  };
  for (const Case& c : cases) {
    auto before = program.desktop().opened_urls().size();
    ui::Control& slot = window.control(gbk("全区广告位7号"));
    slot.set_link_target(c.target);
    EXPECT_TRUE(headless::click(window, slot.name()));
    auto opened = program.desktop().opened_urls();
    ASSERT_EQ(opened.size(), before + (c.opens ? 1 : 0)) << c.target;
    if (c.opens) {
      EXPECT_EQ(opened.back(), c.target);
    }
  }
}

}  // namespace
}  // namespace vexlune
