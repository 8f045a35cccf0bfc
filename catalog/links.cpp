#include "catalog/links.h"

#include <algorithm>

#include "app/ui/desktop.h"

namespace vexlune {
namespace {

struct Scheme {
  std::string_view name;
  std::string_view after;  // what must follow the name
};

constexpr Scheme SCHEMES[] = {
    {"http", "://"}, {"https", "://"}, {"ftp", "://"},
    {"magnet", ":"}, {"ed2k", ":"},    {"thunder", ":"},
};

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(a) == lower(b);
  });
}

}  // namespace

bool is_openable_link(std::string_view link) {
  if (std::any_of(link.begin(), link.end(), [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
      }))
    return false;
  for (const Scheme& scheme : SCHEMES) {
    if (!starts_with_ignoring_case(link, scheme.name)) continue;
    std::string_view rest = link.substr(scheme.name.size());
    if (rest.substr(0, scheme.after.size()) == scheme.after && rest.size() > scheme.after.size())
      return true;
  }
  return false;
}

void open_link(ui::Desktop& desktop, std::string_view link) {
  if (is_openable_link(link)) desktop.open_url(link);
}

}  // namespace vexlune
