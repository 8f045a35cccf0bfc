// 200 sequential fetches of a 64 KiB file from a loopback server through fetch_url and
// web_request, beside the same 200 transfers made by one bare libcurl easy handle reused for
// all of them. A round is 200 transfers of each side; the median round is reported.
#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "net/fetch.h"
#include "net/init.h"
#include "net/web_request.h"
#include "testing/loopback_server.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int TRANSFERS = 200;
constexpr int ROUNDS = 7;
constexpr std::size_t FILE_BYTES = 64 * 1024;

size_t append(char* data, size_t size, size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  vexlune::init_http_client();
  std::string file(FILE_BYTES, '\0');
  for (std::size_t i = 0; i < file.size(); ++i)
    file[i] = static_cast<char>('a' + i % 26);
  vexlune::testing::LoopbackServer server(vexlune::testing::serve_files({{"/yun1.txt", file}}));
  const std::string url = server.url() + "/yun1.txt";

  CURL* bare = curl_easy_init();
  std::string bare_body;
  curl_easy_setopt(bare, CURLOPT_URL, url.c_str());
  curl_easy_setopt(bare, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(bare, CURLOPT_WRITEFUNCTION, append);
  curl_easy_setopt(bare, CURLOPT_WRITEDATA, &bare_body);
  auto bare_fetch = [&] {
    bare_body.clear();
    curl_easy_perform(bare);
    return bare_body;
  };
  auto fetch = [&] { return vexlune::fetch_url(url); };
  auto request = [&] { return vexlune::web_request(url); };

  // The sides take turns transfer by transfer, so a busy machine slows them alike.
  using Fetch = std::function<std::string()>;
  const Fetch sides[] = {bare_fetch, fetch, request};
  std::vector<double> bare_times, fetch_times, request_times;
  std::vector<double>* times[] = {&bare_times, &fetch_times, &request_times};
  for (int round = 0; round < ROUNDS; ++round) {
    double totals[3] = {0, 0, 0};
    for (int i = 0; i < TRANSFERS; ++i) {
      for (int turn = 0; turn < 3; ++turn) {
        int side = (turn + i) % 3;
        auto start = Clock::now();
        bool right = sides[side]() == file;
        totals[side] += std::chrono::duration<double>(Clock::now() - start).count();
        if (!right) {
          std::printf("a transfer returned the wrong bytes\n");
          return 1;
        }
      }
    }
    for (int side = 0; side < 3; ++side)
      times[side]->push_back(totals[side]);
  }
  curl_easy_cleanup(bare);

  double base = median(bare_times);
  std::printf("%d sequential transfers of %zu KiB from 127.0.0.1, median of %d rounds\n", TRANSFERS,
              FILE_BYTES / 1024, ROUNDS);
  std::printf("  bare libcurl handle, reused  %8.1f ms  (%.1f us per transfer)\n", base * 1e3,
              base * 1e6 / TRANSFERS);
  for (auto [name, times] :
       {std::pair{"fetch_url", &fetch_times}, std::pair{"web_request", &request_times}}) {
    double t = median(*times);
    std::printf("  %-28s  %8.1f ms  (%.1f us per transfer)  %.2fx the bare handle\n", name, t * 1e3,
                t * 1e6 / TRANSFERS, t / base);
  }
  return 0;
}
