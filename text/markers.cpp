#include "text/markers.h"

#include "text/scan.h"
#include "text/text.h"

namespace vexlune {
namespace {

// Callers write "#引号" where a marker needs a double quote.
constexpr std::string_view kQuotePlaceholder = "#\xD2\xFD\xBA\xC5";

std::size_t start_offset(int start_position) {
  return start_position <= 1 ? 0 : static_cast<std::size_t>(start_position) - 1;
}

}  // namespace

std::string text_between(std::string_view text, std::string_view start_marker,
                         std::string_view end_marker, int start_position, bool case_sensitive) {
  const std::string start = replace(start_marker, kQuotePlaceholder, "\"");
  const std::string end = replace(end_marker, kQuotePlaceholder, "\"");
  if (start.empty() || end.empty()) return {};
  const std::size_t from = start_offset(start_position);
  if (from >= text.size()) return {};
  const std::size_t p = scan::find_aligned(text, scan::Matcher(start, !case_sensitive), from);
  if (p == scan::npos) return {};
  const std::size_t begin = p + start.size();
  const std::size_t e = scan::find_aligned(text, scan::Matcher(end, !case_sensitive), begin);
  if (e == scan::npos) return {};
  return std::string(text.substr(begin, e - begin));
}

int all_texts_between(std::string_view text, std::string_view start_marker,
                      std::string_view end_marker, std::vector<std::string>& pieces,
                      bool case_sensitive, int max_length, std::string_view prefix,
                      std::string_view suffix, bool keep_start_marker, bool keep_end_marker,
                      int start_position) {
  // The state of one extraction lives in this frame only, so concurrent extractions on other
  // threads never see it.
  pieces.clear();
  if (start_marker.empty() || end_marker.empty()) return 0;
  const scan::Matcher start(start_marker, !case_sensitive);
  const scan::Matcher end(end_marker, !case_sensitive);
  std::size_t from = start_offset(start_position);
  while (from < text.size()) {
    const std::size_t p = scan::find_aligned(text, start, from);
    if (p == scan::npos) break;
    const std::size_t begin = p + start_marker.size();
    const std::size_t e = scan::find_aligned(text, end, begin);
    if (e == scan::npos) break;
    const std::string_view piece = scan::trimmed(text.substr(begin, e - begin));
    if (piece.empty()) break;
    if (max_length != 0 && static_cast<long long>(piece.size()) > max_length) break;
    std::string entry;
    entry.reserve((keep_start_marker ? start_marker.size() : 0) + prefix.size() + piece.size() +
                  suffix.size() + (keep_end_marker ? end_marker.size() : 0));
    if (keep_start_marker) entry.append(start_marker);
    entry.append(prefix).append(piece).append(suffix);
    if (keep_end_marker) entry.append(end_marker);
    pieces.push_back(std::move(entry));
    // The next search starts on the end marker itself, so it can open the next piece; the
    // start marker is never empty, so every round moves forward.
    from = e;
  }
  return static_cast<int>(pieces.size());
}

}  // namespace vexlune
