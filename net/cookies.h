// The program keeps its cookies itself, as one text of "name=value" entries joined by "; ".
#pragma once

#include <string>

namespace vexlune {

// Folds the cookies of one response into the jar: a cookie set again replaces the old one and
// moves to the front, the others keep their values behind the new ones, and a cookie set to
// "deleted" leaves the jar. Both variables lose every ASCII and full-width space. The jar
// variable receives the merged jar, which is also returned.
std::string merge_cookies(std::string& jar, std::string& new_cookies);

}  // namespace vexlune
