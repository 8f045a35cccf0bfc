#include "app/web_url.h"

#include <algorithm>

namespace vexlune {
namespace {

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char p, char t) {
    return p == (t >= 'A' && t <= 'Z' ? static_cast<char>(t - 'A' + 'a') : t);
  });
}

}  // namespace

bool is_web_url(std::string_view url) {
  std::string_view rest;
  if (starts_with_ignoring_case(url, "http://"))
    rest = url.substr(7);
  else if (starts_with_ignoring_case(url, "https://"))
    rest = url.substr(8);
  else
    return false;
  // A host must follow; "http:///etc/passwd" and "http://" name none.
  if (rest.empty() || rest.front() == '/' || rest.front() == '?' || rest.front() == '#')
    return false;
  return std::none_of(url.begin(), url.end(), [](char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
  });
}

bool open_web_url(ui::Desktop& desktop, std::string_view url) {
  if (!is_web_url(url)) return false;
  desktop.open_url(url);
  return true;
}

}  // namespace vexlune
