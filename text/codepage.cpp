#include "text/codepage.h"

namespace vexlune {

std::string url_encode(std::string_view, bool, bool) {
  return {};
}
std::string gbk_to_utf8(std::string_view) {
  return {};
}
std::string utf8_to_gbk(std::string_view) {
  return {};
}
std::string utf8_reply_to_gbk(std::string_view) {
  return {};
}
std::string multibyte_to_wide(std::string_view, int) {
  return {};
}
std::string wide_to_multibyte(std::string_view, int) {
  return {};
}
std::string utf8_bytes_to_wide(std::string_view) {
  return {};
}
std::string wide_bytes_to_gbk(std::string_view) {
  return {};
}

}  // namespace vexlune
