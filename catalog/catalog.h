#pragma once
// The two cloud catalogs: where their files live and which MainWindow controls show them.
// Control names are the UTF-8 spellings of the layout; window models hold them in GBK.

#include <array>
#include <string>
#include <string_view>

namespace vexlune {

// The last file number a load asks for.
inline constexpr int MAX_CATALOG_FILES = 100;
// A real catalog holds about 100,000 movies. Files full of tiny records could otherwise turn
// 100 bodies of the fetch's size cap into gigabytes of rows; the load ends at this many.
inline constexpr int MAX_CATALOG_ROWS = 1'000'000;

struct Catalog {
  int page;                        // tab index of 选择夹1
  std::string_view list;           // the catalog's list view
  std::string_view label;          // shows the time a load took
  std::string_view keyword_box;    // search keyword
  std::string_view search_button;  // starts the search
  std::string_view path_prefix;    // file N is path_prefix + N + ".txt"
};

inline constexpr Catalog BAIDU_CATALOG{0,         "超级列表框1", "标签8",
                                       "编辑框1", "按钮3",       "/baiduyun/yun"};
inline constexpr Catalog CLOUD360_CATALOG{1,         "超级列表框2", "标签9",
                                          "编辑框2", "按钮4",       "/360yunpan/"};
inline constexpr std::array<Catalog, 2> CATALOGS{BAIDU_CATALOG, CLOUD360_CATALOG};

// "/baiduyun/yun7.txt", "/360yunpan/7.txt": the number in decimal without leading zeros.
std::string catalog_file_path(const Catalog& catalog, int number);

// GBK spelling of a UTF-8 control name or literal.
std::string gbk(std::string_view utf8);

}  // namespace vexlune
