// Marker extraction and the double-byte-aware search on arbitrary pages and markers.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "text/markers.h"
#include "text/reference_find.h"
#include "text/text.h"

using vexlune::testing_text::reference_find;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

// Input: option byte, start marker length, end marker length, start position, then the markers
// and the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::uint8_t options = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);
  const std::string_view start = rest.substr(0, data[1] % 8);
  rest.remove_prefix(start.size());
  const std::string_view end = rest.substr(0, data[2] % 8);
  rest.remove_prefix(end.size());
  const std::string_view text = rest;
  const bool case_sensitive = options & 1;
  const int max_length = (options & 2) ? data[3] % 16 : 0;
  const int start_position = data[3] % 32;

  std::vector<std::string> pieces{"stale"};
  const int count = vexlune::all_texts_between(text, start, end, pieces, case_sensitive, max_length,
                                               "", "", options & 4, options & 8, start_position);
  check(count == static_cast<int>(pieces.size()));
  for (const std::string& piece : pieces) {
    check(!piece.empty());
    if (!(options & 12) && max_length != 0) check(static_cast<int>(piece.size()) <= max_length);
    if (!(options & 12)) check(vexlune::trim(piece) == piece);
  }

  const std::string between =
      vexlune::text_between(text, start, end, start_position, case_sensitive);
  check(between.size() <= text.size());

  if (!start.empty()) {
    check(vexlune::find(text, start, start_position, !case_sensitive) ==
          reference_find(text, start, start_position, !case_sensitive));
    const std::string replaced = vexlune::replace(text, start, end, start_position);
    (void)replaced;
    const std::vector<std::string> parts = vexlune::split(text, start);
    (void)parts;
    (void)vexlune::find_last(text, start);
  }
  const std::string trimmed = vexlune::trim(text);
  check(vexlune::trim(trimmed) == trimmed);
  (void)vexlune::remove_spaces(text);
  (void)vexlune::to_lower(text);
  (void)vexlune::to_int(text);
  return 0;
}
