#pragma once
// One numbered catalog file: labelled fields ("电影名字：" value "|"), gathered label by label
// over the whole file; the k-th value of every label belongs to the k-th movie.

#include <string>
#include <string_view>
#include <vector>

namespace vexlune {

// List-view columns of a catalog record (CatalogRecord: name, link, type, hd_flag, poster_url,
// intro).
inline constexpr int COLUMN_NAME = 0;
inline constexpr int COLUMN_LINK = 1;
inline constexpr int COLUMN_TYPE = 2;
inline constexpr int COLUMN_HD_FLAG = 3;
inline constexpr int COLUMN_POSTER_URL = 4;
inline constexpr int COLUMN_INTRO = 5;
inline constexpr int CATALOG_COLUMNS = 6;

using CatalogRow = std::vector<std::string>;

// One list-view row per name found, cells in column order, the introduction cleaned. A file
// whose other labels ran out early (an empty or missing value) leaves those cells empty.
// `text` is GBK, already cut at its first NUL.
std::vector<CatalogRow> parse_catalog_file(std::string_view text);

// Deletes "&rdquo;", "&mdash;", "&middot;", "&ldquo;", the six characters \n\n\t as written in
// the file, and "&hellip;", in that order; entities are deleted, not decoded.
std::string clean_intro(std::string intro);

}  // namespace vexlune
