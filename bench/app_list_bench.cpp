// A catalog loader's worker appends 100,000 six-column rows to a list model while the UI thread
// reads it as a virtual list view does (row count, then the cells of one screen of rows). Prints
// the rows per second of the worker and the longest single wait of the UI thread on the model,
// beside a baseline that pushes the same rows into a plain std::vector.
//
// Targets: 100,000 rows in under 150 ms; no UI wait over 5 ms.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>

#include <sys/resource.h>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/main_window_layout.h"
#include "app/ui/window.h"

namespace {

using Clock = std::chrono::steady_clock;
using vexlune::ui::ListView;

constexpr int ROWS = 100000;
constexpr int SCREEN_ROWS = 20;  // rows a list view of 320 pixels shows at once
constexpr int BATCH = 500;       // rows a loader gathers from one catalog file before appending

// Coalesces notices as the wx backend does: one pending flag, cleared by the UI thread.
class CoalescingObserver : public vexlune::ui::WindowObserver {
 public:
  void control_changed(vexlune::ui::Control&) override { pending.store(true); }
  void window_changed() override {}
  std::atomic<bool> pending{false};
};

// Rows shaped like catalog entries: name, share link, type, HD note, poster URL, introduction.
std::vector<ListView::Row> catalog_rows() {
  std::vector<ListView::Row> rows;
  rows.reserve(ROWS);
  for (int i = 0; i < ROWS; ++i) {
    const std::string n = std::to_string(i);
    ListView::Row row(6);
    row[0].append("\xb5\xe7\xd3\xb0 ").append(n);  // "电影 n"
    row[1].append("http://pan.baidu.com/s/1").append(n).append("abcdef");
    row[2] = "\xb6\xaf\xd7\xf7";  // "动作"
    row[3] = "\xb8\xdf\xc7\xe5";  // "高清"
    row[4].append("http://img.example.com/poster/").append(n).append(".jpg");
    row[5].assign(120, 'x').append(n);
    rows.push_back(std::move(row));
  }
  return rows;
}

struct Figures {
  double worker_ms = 0;      // wall time of the worker's appends
  double worker_cpu_ms = 0;  // the worker thread's own CPU time: steady on a busy machine
  long calls = 0;            // UI calls into the model
  // The longest call, and the longest among screens during which the scheduler never took the
  // UI thread off its core: on a crowded machine only the latter is the model's doing.
  double longest_wait_ms = 0;
  double longest_unpreempted_wait_ms = 0;
  long calls_over_5ms = 0;
  long unpreempted_calls_over_5ms = 0;
};

double thread_cpu_ms() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

long involuntary_switches() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_nivcsw;
}

double ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The UI thread's part: reads a screen of the newest rows until the worker is done, timing
// every call into the model.
void read_like_a_view(const ListView& list, const std::atomic<bool>& done, Figures& figures) {
  std::string sink;
  while (!done.load()) {
    const long switches = involuntary_switches();
    double screen_longest = 0;
    long screen_over_5ms = 0;
    auto timed = [&](auto&& call) {
      auto begin = Clock::now();
      call();
      double took = ms(Clock::now() - begin);
      screen_longest = std::max(screen_longest, took);
      if (took > 5) ++screen_over_5ms;
      ++figures.calls;
    };
    int count = 0;
    timed([&] { count = list.row_count(); });
    for (int row = std::max(0, count - SCREEN_ROWS); row < count; ++row) {
      for (int column = 0; column < 4; ++column)  // the visible columns
        timed([&] { sink = list.cell(row, column); });
    }
    figures.longest_wait_ms = std::max(figures.longest_wait_ms, screen_longest);
    figures.calls_over_5ms += screen_over_5ms;
    if (involuntary_switches() == switches) {
      figures.longest_unpreempted_wait_ms =
          std::max(figures.longest_unpreempted_wait_ms, screen_longest);
      figures.unpreempted_calls_over_5ms += screen_over_5ms;
    }
  }
}

template <typename Append>
Figures run_model(const std::vector<ListView::Row>& rows, Append append) {
  vexlune::ui::ControlLayout list_layout;
  list_layout.kind = vexlune::ui::ControlKind::ListView;
  list_layout.name = "list";
  list_layout.columns = vexlune::catalog_columns();
  vexlune::ui::WindowLayout layout;
  layout.name = "BenchWindow";
  layout.controls.push_back(std::move(list_layout));
  vexlune::ui::Window window(layout);
  window.set_observer(std::make_shared<CoalescingObserver>());
  ListView& list = window.list("list");
  Figures figures;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    auto begin = Clock::now();
    double cpu_begin = thread_cpu_ms();
    append(list, rows);
    figures.worker_cpu_ms = thread_cpu_ms() - cpu_begin;
    figures.worker_ms = ms(Clock::now() - begin);
    done.store(true);
  });
  read_like_a_view(list, done, figures);
  worker.join();
  if (list.row_count() != ROWS) std::fprintf(stderr, "lost rows: %d\n", list.row_count());
  return figures;
}

// The same copies pushed into a plain vector on one thread: {wall ms, cpu ms}.
std::pair<double, double> run_baseline(const std::vector<ListView::Row>& rows) {
  std::vector<ListView::Row> plain;
  auto begin = Clock::now();
  double cpu_begin = thread_cpu_ms();
  for (const auto& row : rows)
    plain.push_back(row);
  return {ms(Clock::now() - begin), thread_cpu_ms() - cpu_begin};
}

void print(const char* name, const std::vector<Figures>& runs, double baseline_ms) {
  // Best time of the runs; the waits over all of them.
  Figures f = runs.front();
  f.calls = f.calls_over_5ms = f.unpreempted_calls_over_5ms = 0;
  for (const Figures& run : runs) {
    f.worker_ms = std::min(f.worker_ms, run.worker_ms);
    f.worker_cpu_ms = std::min(f.worker_cpu_ms, run.worker_cpu_ms);
    f.longest_wait_ms = std::max(f.longest_wait_ms, run.longest_wait_ms);
    f.longest_unpreempted_wait_ms =
        std::max(f.longest_unpreempted_wait_ms, run.longest_unpreempted_wait_ms);
    f.calls += run.calls;
    f.calls_over_5ms += run.calls_over_5ms;
    f.unpreempted_calls_over_5ms += run.unpreempted_calls_over_5ms;
  }
  std::printf("%-26s %7.1f ms (cpu %6.1f ms) %9.0f rows/s %5.2fx baseline\n", name, f.worker_ms,
              f.worker_cpu_ms, ROWS / (f.worker_ms / 1000), f.worker_ms / baseline_ms);
  std::printf(
      "%-26s UI waits over %ld calls: longest %.3f ms (%ld over 5 ms); without "
      "preemption: longest %.3f ms (%ld over 5 ms)\n",
      "", f.calls, f.longest_wait_ms, f.calls_over_5ms, f.longest_unpreempted_wait_ms,
      f.unpreempted_calls_over_5ms);
}

}  // namespace

int main() {
  const auto rows = catalog_rows();
  constexpr int RUNS = 5;
  double baseline = 1e9, baseline_cpu = 1e9;
  std::vector<Figures> one_by_one, batched;
  for (int run = 0; run < RUNS; ++run) {
    auto [wall, cpu] = run_baseline(rows);
    baseline = std::min(baseline, wall);
    baseline_cpu = std::min(baseline_cpu, cpu);
    one_by_one.push_back(run_model(rows, [](ListView& list, const auto& all) {
      for (const auto& row : all)
        list.append_row(row);
    }));
    batched.push_back(run_model(rows, [](ListView& list, const auto& all) {
      for (size_t i = 0; i < all.size(); i += BATCH)
        list.append_rows({all.begin() + i, all.begin() + std::min(all.size(), i + BATCH)});
    }));
  }
  std::printf("%d six-column rows, best of %d runs (targets: under 150 ms, UI wait under 5 ms)\n",
              ROWS, RUNS);
  std::printf("%-26s %7.1f ms (cpu %6.1f ms) %9.0f rows/s\n", "baseline std::vector", baseline,
              baseline_cpu, ROWS / (baseline / 1000));
  print("append_row, one per row", one_by_one, baseline);
  print("append_rows, 500 per call", batched, baseline);
  return 0;
}
