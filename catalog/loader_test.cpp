#include "catalog/loader.h"

#include <gtest/gtest.h>

#include <chrono>

#include "catalog/test_fixture.h"

namespace vexlune {
namespace {

using namespace std::chrono_literals;

Movie movie(int n) {
  const std::string k = std::to_string(n);
  return {"电影" + k, "http://pan.baidu.com/s/" + k, "动作",
          "是",       "http://img/" + k + ".jpg",    "介绍" + k};
}

std::string file_of(int first, int count) {
  std::string text = gbk("== 本页资源 ==\r\n");
  for (int n = first; n < first + count; ++n)
    text += record(movie(n));
  return text;
}

ui::Control& timer(ui::Window& window) {
  return window.control(gbk("时钟1"));
}

TEST_F(CatalogTest, ReadsFilesInOrderUntilOneComesBackEmpty) {
  serve_files({{"/baiduyun/yun1.txt", file_of(1, 2)},
               {"/baiduyun/yun2.txt", file_of(3, 1)},
               // A NUL ends the text: the record behind it is not read.
               {"/baiduyun/yun3.txt", file_of(4, 2) + std::string(1, '\0') + file_of(90, 1)},
               {"/baiduyun/yun4.txt", ""},
               {"/baiduyun/yun5.txt", file_of(99, 1)}});
  start();
  load(BAIDU_CATALOG);

  EXPECT_EQ(requested("/baiduyun/"),
            (std::vector<std::string>{"/baiduyun/yun1.txt", "/baiduyun/yun2.txt",
                                      "/baiduyun/yun3.txt", "/baiduyun/yun4.txt"}));
  ui::ListView& rows = list(BAIDU_CATALOG);
  ASSERT_EQ(rows.row_count(), 5);
  for (int n = 1; n <= 5; ++n)
    EXPECT_EQ(cells(rows, n - 1), row_of(movie(n))) << n;
  EXPECT_EQ(list(CLOUD360_CATALOG).row_count(), 0);
  // The timer never ticked here: the count shown is 0.
  EXPECT_EQ(main().control(gbk("标签8")).text(), gbk("加载完成  共耗时：[ 0 ] 毫秒"));
  EXPECT_EQ(timer(main()).timer_period(), 0);
  EXPECT_EQ(app().state.load_idle.load(), 1);
}

TEST_F(CatalogTest, AnErrorPageForEveryMissingNumberMeansExactlyOneHundredFetches) {
  serve_files({{"/360yunpan/1.txt", file_of(1, 3)}, {"/360yunpan/7.txt", file_of(4, 1)}});
  start();
  load(CLOUD360_CATALOG);

  std::vector<std::string> expected;
  for (int n = 1; n <= 100; ++n)
    expected.push_back("/360yunpan/" + std::to_string(n) + ".txt");
  EXPECT_EQ(requested("/360yunpan/"), expected);
  EXPECT_TRUE(requested("/baiduyun/").empty());
  ASSERT_EQ(list(CLOUD360_CATALOG).row_count(), 4);
  EXPECT_EQ(cells(list(CLOUD360_CATALOG), 3), row_of(movie(4)));
  EXPECT_EQ(main().control(gbk("标签9")).text(), gbk("加载完成  共耗时：[ 0 ] 毫秒"));
  EXPECT_EQ(main().control(gbk("标签8")).text(), "");
}

TEST_F(CatalogTest, NoServerLeavesTheListEmptyAndTheTabCanStartTheLoadAgain) {
  start();  // nothing listens on the catalog port
  load(BAIDU_CATALOG);
  EXPECT_EQ(list(BAIDU_CATALOG).row_count(), 0);
  EXPECT_EQ(main().control(gbk("标签8")).text(), gbk("加载完成  共耗时：[ 0 ] 毫秒"));
  EXPECT_EQ(app().state.load_idle.load(), 1);
  load(BAIDU_CATALOG);  // a second click starts a second load, which finds nothing again
  EXPECT_TRUE(desktop().message_boxes().empty());
}

TEST_F(CatalogTest, RowsOfEarlyFilesAppearWhileLaterOnesAreFetchedAndTicksAreCounted) {
  serve([](const testing::Request& request) {
    testing::Response response;
    if (request.target == "/baiduyun/yun1.txt") response.body = file_of(1, 2);
    if (request.target == "/baiduyun/yun2.txt") {
      response.body = file_of(3, 1);
      response.stall = 1500ms;
    }
    return response;
  });
  start();
  headless::select_page(main(), gbk("选择夹1"), BAIDU_CATALOG.page);

  // File 1's rows are in the list while file 2 is still on its way.
  ASSERT_TRUE(headless::eventually([&] { return list(BAIDU_CATALOG).row_count() == 2; }));
  EXPECT_EQ(app().state.load_idle.load(), 0);
  EXPECT_EQ(timer(main()).timer_period(), 1);
  EXPECT_EQ(headless::tick(main(), gbk("时钟1"), 7), 7);
  EXPECT_EQ(main().control(gbk("标签8")).text(), gbk("正在加载电影资源  耗时  [ 7 ] 毫秒"));

  ASSERT_TRUE(app().wait_for_workers(20000));
  EXPECT_EQ(list(BAIDU_CATALOG).row_count(), 3);
  EXPECT_EQ(main().control(gbk("标签8")).text(), gbk("加载完成  共耗时：[ 7 ] 毫秒"));
  EXPECT_EQ(app().state.elapsed_ticks.load(), 0);
  EXPECT_EQ(headless::tick(main(), gbk("时钟1")), 0);  // stopped
}

TEST_F(CatalogTest, LoadEndsOnceTheRowLimitIsReached) {
  std::map<std::string, std::string> files;
  for (int n = 1; n <= 100; ++n)
    files["/baiduyun/yun" + std::to_string(n) + ".txt"] = file_of(2 * n - 1, 2);
  serve_files(std::move(files));
  start();
  app().start_thread([](App& a) { load_catalog(a, BAIDU_CATALOG, 3); });
  ASSERT_TRUE(app().wait_for_workers(20000));
  ASSERT_EQ(list(BAIDU_CATALOG).row_count(), 3);
  EXPECT_EQ(cells(list(BAIDU_CATALOG), 2), row_of(movie(3)));
  EXPECT_EQ(requested("/baiduyun/").size(), 2u);
  EXPECT_EQ(main().control(gbk("标签8")).text(), gbk("加载完成  共耗时：[ 0 ] 毫秒"));
  EXPECT_EQ(app().state.load_idle.load(), 1);
}

}  // namespace
}  // namespace vexlune
