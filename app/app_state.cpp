#include "app/app_state.h"

namespace vexlune {

void init_app_state(AppState& state) {
  for (auto* hits : {&state.hit_names, &state.hit_links, &state.hit_types, &state.hit_hd_flags,
                     &state.hit_posters, &state.hit_intros})
    hits->clear();
  state.skin_module = std::make_unique<MemoryModule>();
}

void release_app_state(AppState& state) {
  state.skin_module.reset();
  for (std::string* text : {&state.selected_link, &state.selected_name, &state.selected_intro,
                            &state.hit_keyword, &state.results_link, &state.skin_data})
    std::string().swap(*text);
  for (auto* hits : {&state.hit_names, &state.hit_links, &state.hit_types, &state.hit_hd_flags,
                     &state.hit_posters, &state.hit_intros})
    std::vector<std::string>().swap(*hits);
}

}  // namespace vexlune
