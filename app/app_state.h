#pragma once
// The program's one set of shared variables. Texts and arrays are written on the UI thread
// only; integers that workers write are atomic.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/memory_module.h"

namespace vexlune {

struct AppState {
  std::unique_ptr<MemoryModule> skin_module;
  std::string selected_link;
  std::atomic<std::int32_t> search_first{0};
  std::string site_filter;
  std::string selected_name;
  std::string selected_poster_url;
  std::string selected_intro;
  std::vector<std::string> hit_names;
  std::vector<std::string> hit_links;
  std::vector<std::string> hit_types;
  std::vector<std::string> hit_hd_flags;
  std::vector<std::string> hit_posters;
  std::vector<std::string> hit_intros;
  std::string hit_keyword;
  std::string results_link;
  std::atomic<std::int32_t> load_idle{0};
  std::atomic<std::int32_t> elapsed_ticks{0};
  std::atomic<std::int32_t> board_total{0};
  std::atomic<std::int32_t> board_last_id{0};
  std::atomic<std::int32_t> notice_version_base{0};
  std::string skin_data;
  std::atomic<std::int32_t> skin_hue{0};
  std::atomic<std::int32_t> skin_saturation{0};
  std::atomic<std::int32_t> skin_brightness{0};
};

// Builds what a fresh AppState needs beyond zeros and empty texts: empty hit arrays and an
// empty skin module.
void init_app_state(AppState& state);

// The exit routine. Frees the skin module object (the mapped library is never unloaded) and
// the fields only the UI thread touches. site_filter and selected_poster_url are left to the
// App's end: a search or poster worker that outlives the window may still read them.
void release_app_state(AppState& state);

}  // namespace vexlune
