#include "app/ui/control.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "app/ui/window.h"

namespace vexlune::ui {
namespace {

WindowLayout small_window() {
  return {
      .name = "TestWindow",
      .title = "t",
      .place = {0, 0, 100, 100},
      .controls = {
          {.kind = ControlKind::ListView,
           .name = "list",
           .columns = {{"a", 10}, {"b", 10}, {"c", 0}}},
          {.kind = ControlKind::StatusBar, .name = "status", .columns = {{"one", 10}, {"two", 20}}},
          {.kind = ControlKind::Label, .name = "label", .text = "default"},
          {.kind = ControlKind::Timer, .name = "timer"},
          {.kind = ControlKind::Button, .name = "button", .disabled = true}}};
}

// Counts notices per control and remembers which threads sent them.
class CountingObserver : public WindowObserver {
 public:
  void control_changed(Control& control) override {
    std::lock_guard lock(mutex);
    ++changes[control.name()];
    threads.insert(std::this_thread::get_id());
  }
  void window_changed() override { ++window_changes; }

  int count(const std::string& name) {
    std::lock_guard lock(mutex);
    return changes[name];
  }

  std::mutex mutex;
  std::map<std::string, int> changes;
  std::set<std::thread::id> threads;
  std::atomic<int> window_changes{0};
};

TEST(ListView, RowsAreCutOrPaddedToTheColumnCount) {
  Window window(small_window());
  ListView& list = window.list("list");
  EXPECT_EQ(list.append_row({"1", "2", "3", "4"}), 0);
  EXPECT_EQ(list.append_row({"x"}), 1);
  list.append_rows({{"p", "q"}, {}});
  ASSERT_EQ(list.row_count(), 4);
  EXPECT_EQ(list.cell(0, 2), "3");
  EXPECT_EQ(list.cell(0, 3), "");  // the fourth cell was dropped
  EXPECT_EQ(list.cell(1, 0), "x");
  EXPECT_EQ(list.cell(1, 1), "");
  EXPECT_EQ(list.cell(2, 1), "q");
  EXPECT_EQ(list.cell(3, 0), "");
}

TEST(ListView, CellsOutsideTheRowsReadEmptyAndIgnoreWrites) {
  Window window(small_window());
  ListView& list = window.list("list");
  list.append_row({"a", "b", "c"});
  struct Case {
    int row, column;
  } cases[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 3}, {100000, 100000}};
  for (const Case& c : cases) {
    list.set_cell(c.row, c.column, "written");
    EXPECT_EQ(list.cell(c.row, c.column), "") << c.row << "," << c.column;
  }
  EXPECT_EQ(list.cell(0, 0), "a");
  list.set_cell(0, 2, "hidden column keeps data");
  EXPECT_EQ(list.cell(0, 2), "hidden column keeps data");
}

TEST(ListView, NoSelectionReadsAnEmptyCell) {
  Window window(small_window());
  ListView& list = window.list("list");
  list.append_row({"a"});
  EXPECT_EQ(list.selected_row(), -1);
  EXPECT_EQ(list.cell(list.selected_row(), 0), "");
  list.set_selected_row(5);  // no such row
  EXPECT_EQ(list.selected_row(), -1);
  list.set_selected_row(0);
  EXPECT_EQ(list.cell(list.selected_row(), 0), "a");
  list.clear();
  EXPECT_EQ(list.row_count(), 0);
  EXPECT_EQ(list.selected_row(), -1);
}

TEST(StatusBar, PartsStartWithTheirDefaultsAndIgnoreUnknownParts) {
  Window window(small_window());
  StatusBar& bar = window.status_bar("status");
  EXPECT_EQ(bar.part_count(), 2);
  EXPECT_EQ(bar.part_text(0), "one");
  bar.set_part_text(1, "");
  EXPECT_EQ(bar.part_text(1), "");
  bar.set_part_text(2, "nowhere");
  bar.set_part_text(-1, "nowhere");
  EXPECT_EQ(bar.part_text(2), "");
  EXPECT_EQ(bar.part_text(0), "one");
}

TEST(Control, DefaultsComeFromTheLayoutAndOnlyRealChangesNotify) {
  Window window(small_window());
  auto observer = std::make_shared<CountingObserver>();
  window.set_observer(observer);
  Control& label = window.control("label");
  EXPECT_EQ(label.text(), "default");
  EXPECT_TRUE(window.control("button").disabled());
  label.set_text("default");
  EXPECT_EQ(observer->count("label"), 0);
  label.set_text("new");
  label.set_text_colour(0xFF8080);
  EXPECT_EQ(observer->count("label"), 2);
  window.set_title("other");
  EXPECT_EQ(window.title(), "other");
  EXPECT_EQ(observer->window_changes.load(), 1);
}

// A worker writes while this thread reads as a view would: every write is visible afterwards,
// each read sees a consistent list, and the observer hears about the writes from the worker.
TEST(Control, WorkerWritesAreVisibleAndReachTheObserver) {
  Window window(small_window());
  auto observer = std::make_shared<CountingObserver>();
  window.set_observer(observer);
  ListView& list = window.list("list");
  constexpr int kRows = 20000;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    window.control("timer").set_timer_period(1);
    for (int i = 0; i < kRows; i += 100) {
      std::vector<ListView::Row> batch;
      for (int j = i; j < i + 100; ++j)
        batch.push_back({std::to_string(j), "link", "hidden"});
      list.append_rows(std::move(batch));
      window.control("label").set_text(std::to_string(i));
    }
    window.control("timer").set_timer_period(0);
    done = true;
  });
  int last_count = 0;
  while (!done) {
    int count = list.row_count();
    EXPECT_GE(count, last_count);
    EXPECT_EQ(count % 100, 0);  // a batch arrives whole
    if (count > 0) {
      EXPECT_EQ(list.cell(count - 1, 0), std::to_string(count - 1));
    }
    last_count = count;
  }
  worker.join();
  EXPECT_EQ(list.row_count(), kRows);
  EXPECT_EQ(list.cell(kRows - 1, 1), "link");
  EXPECT_EQ(window.control("label").text(), std::to_string(kRows - 100));
  EXPECT_EQ(window.control("timer").timer_period(), 0);
  EXPECT_EQ(observer->count("list"), kRows / 100);
  EXPECT_EQ(observer->count("timer"), 2);
  EXPECT_EQ(observer->threads.size(), 1u);
  EXPECT_EQ(observer->threads.count(std::this_thread::get_id()), 0u);
}

}  // namespace
}  // namespace vexlune::ui
