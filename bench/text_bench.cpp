// Search, extraction and conversion over 16 MiB of generated GBK text, each next to a baseline
// measured in the same run: memmem for the searches, ICU's converter for the conversions.
#include <benchmark/benchmark.h>
#include <unicode/ucnv.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "text/codepage.h"
#include "text/markers.h"
#include "text/text.h"

namespace {

constexpr std::size_t kSize = 16 << 20;

// Markers as the catalog files spell them, in GBK: 电影名字： 影片资源： 类型： 影片介绍： 海报：
const std::string kName = "\xB5\xE7\xD3\xB0\xC3\xFB\xD7\xD6\xA3\xBA";
const std::string kLink = "\xD3\xB0\xC6\xAC\xD7\xCA\xD4\xB4\xA3\xBA";
const std::string kType = "\xC0\xE0\xD0\xCD\xA3\xBA";
const std::string kIntro = "\xD3\xB0\xC6\xAC\xBD\xE9\xC9\xDC\xA3\xBA";
const std::string kPoster = "\xBA\xA3\xB1\xA8\xA3\xBA";
// A needle found only at the very end: 《全文完》END
const std::string kTail =
    "\xA1\xB6\xC8\xAB\xCE\xC4\xCD\xEA\xA1\xB7"
    "END";

class Generator {
 public:
  // A common GB2312 hanzi (rows B0-D7).
  void hanzi(std::string& out) {
    out.push_back(static_cast<char>(0xB0 + random_() % 40));
    out.push_back(static_cast<char>(0xA1 + random_() % 94));
  }
  void hanzi(std::string& out, int n) {
    for (int i = 0; i < n; ++i)
      hanzi(out);
  }
  void ascii(std::string& out, int n) {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int i = 0; i < n; ++i)
      out.push_back(kChars[random_() % 36]);
  }
  int below(int n) { return static_cast<int>(random_() % n); }

 private:
  std::mt19937 random_{7};
};

// Catalog records (about 335 bytes each, so about 50,000 of them) of mixed Chinese and ASCII.
std::string make_catalog() {
  Generator g;
  std::string text;
  text.reserve(kSize + 1024);
  while (text.size() < kSize - 1024) {
    text += kName;
    g.hanzi(text, 3 + g.below(6));
    text.append(" ").append(std::to_string(1990 + g.below(30)));
    text.append("|").append(kLink).append("http://pan.baidu.com/s/1");
    g.ascii(text, 8);
    text += "|" + kType;
    g.hanzi(text, 2);
    text += " / ";
    g.hanzi(text, 2);
    text += "|" + kIntro;
    for (int sentence = 0; sentence < 6; ++sentence) {
      g.hanzi(text, 8 + g.below(10));
      text += sentence % 2 ? ", " : " HD 1080p ";
      text += "\xA3\xAC";  // ，
    }
    text += "|||||" + kPoster + "http://img.example.com/";
    g.ascii(text, 10);
    text += ".jpg|||||\r\n";
  }
  text.resize(kSize - kTail.size(), ' ');
  return text + kTail;
}

std::string make_chinese() {
  Generator g;
  std::string text;
  text.reserve(kSize);
  while (text.size() < kSize - kTail.size())
    g.hanzi(text);
  text.resize(kSize - kTail.size() - 3, '\xB0');
  return text + "\xB0\xA1\xA1" + kTail;  // keeps the tail on a character boundary
}

const std::string& catalog() {
  static const std::string text = make_catalog();
  return text;
}
const std::string& chinese() {
  static const std::string text = make_chinese();
  return text;
}
const std::string& sample(int which) {
  return which == 0 ? catalog() : chinese();
}
const char* sample_name(int which) {
  return which == 0 ? "mixed" : "chinese";
}

void BM_find(benchmark::State& state) {
  const std::string& text = sample(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(vexlune::find(text, kTail));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetLabel(sample_name(static_cast<int>(state.range(0))));
}

void BM_find_memmem(benchmark::State& state) {
  const std::string& text = sample(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(memmem(text.data(), text.size(), kTail.data(), kTail.size()));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetLabel(sample_name(static_cast<int>(state.range(0))));
}

void BM_find_ignore_case(benchmark::State& state) {
  const std::string& text = sample(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(vexlune::find(text,
                                           "\xA1\xB7"
                                           "end",
                                           1, true));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetLabel(sample_name(static_cast<int>(state.range(0))));
}

void BM_text_between(benchmark::State& state) {
  const std::string& text = sample(static_cast<int>(state.range(0)));
  const std::string start = kTail.substr(0, 4), end = "END";
  for (auto _ : state)
    benchmark::DoNotOptimize(vexlune::text_between(text, start, end));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetLabel(sample_name(static_cast<int>(state.range(0))));
}

void BM_text_between_memmem(benchmark::State& state) {
  const std::string& text = sample(static_cast<int>(state.range(0)));
  const std::string start = kTail.substr(0, 4), end = "END";
  for (auto _ : state) {
    const char* p =
        static_cast<const char*>(memmem(text.data(), text.size(), start.data(), start.size()));
    const char* b = p + start.size();
    const char* e =
        static_cast<const char*>(memmem(b, text.data() + text.size() - b, end.data(), end.size()));
    benchmark::DoNotOptimize(std::string(b, e));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetLabel(sample_name(static_cast<int>(state.range(0))));
}

// Labels and their end texts as the catalog loader gathers them.
const std::pair<const std::string*, std::string> kLabels[] = {{&kName, "|"}, {&kIntro, "|||||"}};

void BM_all_texts_between(benchmark::State& state) {
  const auto& [label, end] = kLabels[state.range(0)];
  std::vector<std::string> pieces;
  for (auto _ : state)
    vexlune::all_texts_between(catalog(), *label, end, pieces);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(catalog().size()));
  state.counters["pieces"] = static_cast<double>(pieces.size());
  state.SetLabel(end.size() == 1 ? "name" : "intro");
}

// The same extraction done byte-blind with memmem: no boundary checks, no case folding.
void BM_all_texts_between_memmem(benchmark::State& state) {
  const auto& [label, end] = kLabels[state.range(0)];
  const std::string& text = catalog();
  std::vector<std::string> pieces;
  for (auto _ : state) {
    pieces.clear();
    const char* at = text.data();
    const char* limit = text.data() + text.size();
    for (;;) {
      const char* p =
          static_cast<const char*>(memmem(at, limit - at, label->data(), label->size()));
      if (!p) break;
      const char* b = p + label->size();
      const char* e = static_cast<const char*>(memmem(b, limit - b, end.data(), end.size()));
      if (!e) break;
      while (b < e && *b == ' ')
        ++b;
      const char* t = e;
      while (t > b && t[-1] == ' ')
        --t;
      if (t == b) break;
      pieces.emplace_back(b, t);
      at = e;
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.counters["pieces"] = static_cast<double>(pieces.size());
  state.SetLabel(end.size() == 1 ? "name" : "intro");
}

struct Icu {
  UConverter* gbk;
  UConverter* utf8;
  Icu() {
    UErrorCode error = U_ZERO_ERROR;
    gbk = ucnv_open("windows-936-2000", &error);
    utf8 = ucnv_open("UTF-8", &error);
    if (U_FAILURE(error)) std::abort();
  }
  ~Icu() {
    ucnv_close(gbk);
    ucnv_close(utf8);
  }
  // ICU's direct converter-to-converter path, into a buffer prepared beforehand.
  std::size_t convert(UConverter* to, UConverter* from, const std::string& in,
                      std::vector<char>& out) {
    UErrorCode error = U_ZERO_ERROR;
    char* target = out.data();
    const char* source = in.data();
    ucnv_convertEx(to, from, &target, out.data() + out.size(), &source, in.data() + in.size(),
                   nullptr, nullptr, nullptr, nullptr, true, true, &error);
    return target - out.data();
  }
};

const std::string& utf8_sample(int which) {
  static const std::string texts[2] = {vexlune::gbk_to_utf8(catalog()),
                                       vexlune::gbk_to_utf8(chinese())};
  return texts[which];
}

void BM_gbk_to_utf8(benchmark::State& state) {
  const std::string& text = sample(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(vexlune::gbk_to_utf8(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetLabel(sample_name(static_cast<int>(state.range(0))));
}

void BM_gbk_to_utf8_icu(benchmark::State& state) {
  const std::string& text = sample(static_cast<int>(state.range(0)));
  Icu icu;
  std::vector<char> out(text.size() * 3);
  for (auto _ : state)
    benchmark::DoNotOptimize(icu.convert(icu.utf8, icu.gbk, text, out));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetLabel(sample_name(static_cast<int>(state.range(0))));
}

void BM_utf8_to_gbk(benchmark::State& state) {
  const std::string& text = utf8_sample(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(vexlune::utf8_to_gbk(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetLabel(sample_name(static_cast<int>(state.range(0))));
}

void BM_utf8_to_gbk_icu(benchmark::State& state) {
  const std::string& text = utf8_sample(static_cast<int>(state.range(0)));
  Icu icu;
  std::vector<char> out(text.size() + 16);
  for (auto _ : state)
    benchmark::DoNotOptimize(icu.convert(icu.gbk, icu.utf8, text, out));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetLabel(sample_name(static_cast<int>(state.range(0))));
}

BENCHMARK(BM_find)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_find_memmem)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_find_ignore_case)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_text_between)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_text_between_memmem)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_all_texts_between)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_all_texts_between_memmem)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_gbk_to_utf8)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_gbk_to_utf8_icu)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_utf8_to_gbk)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_utf8_to_gbk_icu)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Keeps every run's time so that each figure can be set against its baseline at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration)
        times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    // CPU time, because the wall clock of a shared machine also counts other people's work.
    std::printf("\nAgainst the baselines of this run (CPU time; ratio = baseline / ours):\n");
    const char* pairs[][2] = {{"BM_find", "BM_find_memmem"},
                              {"BM_find_ignore_case", "BM_find_memmem"},
                              {"BM_text_between", "BM_text_between_memmem"},
                              {"BM_all_texts_between", "BM_all_texts_between_memmem"},
                              {"BM_gbk_to_utf8", "BM_gbk_to_utf8_icu"},
                              {"BM_utf8_to_gbk", "BM_utf8_to_gbk_icu"}};
    for (const auto& [ours, base] : pairs) {
      for (const char* arg : {"/0", "/1"}) {
        const auto a = times_.find(std::string(ours) + arg);
        const auto b = times_.find(std::string(base) + arg);
        if (a == times_.end() || b == times_.end()) continue;
        std::printf("  %-26s %-4s %8.3f ms  vs %-30s %8.3f ms  ratio %.2f\n", ours, arg, a->second,
                    base, b->second, b->second / a->second);
      }
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
