#include "net/cookies.h"

#include <string_view>
#include <unordered_set>
#include <vector>

#include "text/text.h"

namespace vexlune {
namespace {

// Spaces are gone by the time names are compared, so no trimming is needed here.
std::string_view cookie_name(std::string_view entry) {
  return entry.substr(0, entry.find('='));
}

}  // namespace

std::string merge_cookies(std::string& jar, std::string& new_cookies) {
  jar = remove_spaces(jar);
  new_cookies = remove_spaces(new_cookies);
  std::vector<std::string> entries = split(new_cookies, ";");
  std::vector<std::string> old_entries = split(jar, ";");

  // An old entry joins only when no entry already taken has its name, so the new cookies win
  // and a name repeated in the old jar keeps its first value.
  std::unordered_set<std::string> names;
  for (const std::string& entry : entries)
    names.emplace(cookie_name(entry));
  for (std::string& entry : old_entries) {
    if (names.emplace(cookie_name(entry)).second) entries.push_back(std::move(entry));
  }

  std::string merged;
  for (const std::string& entry : entries) {
    if (entry.ends_with("=deleted")) continue;
    merged += entry;
    merged += "; ";
  }
  if (!merged.empty()) merged.resize(merged.size() - 2);
  jar = merged;
  return merged;
}

}  // namespace vexlune
