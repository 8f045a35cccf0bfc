#include "text/text.h"

namespace vexlune {

int length(std::string_view text) {
  return static_cast<int>(text.size());
}
int find(std::string_view, std::string_view, int, bool) {
  return -1;
}
int find_last(std::string_view, std::string_view) {
  return -1;
}
std::string replace(std::string_view text, std::string_view, std::string_view, int, int, bool) {
  return std::string(text);
}
std::vector<std::string> split(std::string_view, std::string_view, int) {
  return {};
}
std::string left(std::string_view, int) {
  return {};
}
std::string right(std::string_view, int) {
  return {};
}
std::string mid(std::string_view, int, int) {
  return {};
}
std::string trim(std::string_view text) {
  return std::string(text);
}
std::string remove_spaces(std::string_view text) {
  return std::string(text);
}
std::string to_lower(std::string_view text) {
  return std::string(text);
}
int compare(std::string_view a, std::string_view b) {
  return a.compare(b);
}
std::string char_of(int) {
  return {};
}
std::string spaces(int) {
  return {};
}
int to_int(std::string_view) {
  return 0;
}
std::string to_text(std::int64_t value) {
  return std::to_string(value);
}
std::string to_text(double value) {
  return std::to_string(value);
}
std::string to_hex(std::int64_t) {
  return {};
}
std::string to_bytes(std::string_view text) {
  return std::string(text);
}
std::string bytes_to_text(std::string_view bytes) {
  return std::string(bytes);
}
int bytes_length(std::string_view bytes) {
  return static_cast<int>(bytes.size());
}
std::string bytes_left(std::string_view, int) {
  return {};
}
std::string bytes_replace(std::string_view bytes, std::string_view, std::string_view, int, int) {
  return std::string(bytes);
}
std::string zero_bytes(int) {
  return {};
}
std::int32_t read_int32(std::string_view, int) {
  return 0;
}

}  // namespace vexlune
