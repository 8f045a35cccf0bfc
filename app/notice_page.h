#pragma once
// The notice page: a blog post the maker edits to announce the newest version, a status-bar
// text and the twelve advertisement slots. Read once, at start, on the UI thread.

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace vexlune {

class App;

inline constexpr int AD_SLOTS = 12;
// The notice fetch blocks the window's creation; past this the page counts as unreadable, so
// the window is usable within 10 seconds whatever the network does.
inline constexpr std::chrono::milliseconds NOTICE_FETCH_LIMIT{8000};

// The values of one notice page, GBK. Slot values are already unwrapped from their markup.
struct NoticePage {
  int version = 0;
  std::string update_message;
  std::string status_text;
  std::string website;
  std::array<std::string, AD_SLOTS> slot_links;
  std::array<std::string, AD_SLOTS> slot_texts;
};

// Reads the values from a page already converted to GBK; a missing label gives an empty value.
NoticePage parse_notice_page(std::string_view page);

// Fetches the page (empty when the fetch fails; what arrived within `limit` otherwise) and
// converts it from UTF-8 to GBK.
std::string fetch_notice_page(App& app, std::chrono::milliseconds limit = NOTICE_FETCH_LIMIT);

// Shows the values: status-bar part 5, all twelve slots (empty ones too), then the update
// prompt when the page announces a newer version.
void apply_notice_page(App& app, const NoticePage& notice);

// fetch, parse, apply.
void read_notice_page(App& app, std::chrono::milliseconds limit = NOTICE_FETCH_LIMIT);

}  // namespace vexlune
