// The notice page as fetched (UTF-8 bytes, anything at all) through conversion and parsing.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/notice_page.h"
#include "text/codepage.h"
#include "text/text.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

// A value ends at the first end tag after its label, so none can hold one.
bool holds_end_tag(std::string_view value) {
  return vexlune::find(value, "</P>", 1, true) != -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string page =
      vexlune::utf8_to_gbk(std::string_view(reinterpret_cast<const char*>(data), size));
  const vexlune::NoticePage notice = vexlune::parse_notice_page(page);
  for (const std::string* value : {&notice.update_message, &notice.status_text, &notice.website})
    require(!holds_end_tag(*value) && value->size() <= page.size());
  for (int slot = 0; slot < vexlune::AD_SLOTS; ++slot) {
    // An unwrapped slot value stops before the next tag.
    require(notice.slot_links[slot].find('<') == std::string::npos);
    require(notice.slot_texts[slot].find('<') == std::string::npos);
  }
  return 0;
}
