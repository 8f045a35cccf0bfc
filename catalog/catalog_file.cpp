#include "catalog/catalog_file.h"

#include <array>

#include "catalog/catalog.h"
#include "text/markers.h"
#include "text/text.h"

namespace vexlune {
namespace {

struct CatalogField {
  int column;
  std::string_view label;  // UTF-8 here, GBK on the wire
  std::string_view end;
};

// In the order they are gathered. Short fields end at one bar; the poster URL and the
// introduction, which may hold bars, at five.
constexpr std::array<CatalogField, CATALOG_COLUMNS> FIELDS{{
    {COLUMN_NAME, "电影名字：", "|"},
    {COLUMN_LINK, "影片资源：", "|"},
    {COLUMN_TYPE, "类型：", "|"},
    {COLUMN_HD_FLAG, "是否高清：", "|"},
    {COLUMN_INTRO, "影片介绍：", "|||||"},
    {COLUMN_POSTER_URL, "海报：", "|||||"},
}};

const std::array<std::string, CATALOG_COLUMNS>& gbk_labels() {
  static const auto labels = [] {
    std::array<std::string, CATALOG_COLUMNS> out;
    for (size_t i = 0; i < FIELDS.size(); ++i)
      out[i] = gbk(FIELDS[i].label);
    return out;
  }();
  return labels;
}

}  // namespace

std::vector<CatalogRow> parse_catalog_file(std::string_view text) {
  const auto& labels = gbk_labels();
  std::array<std::vector<std::string>, CATALOG_COLUMNS> values;  // by column
  for (size_t i = 0; i < FIELDS.size(); ++i)
    all_texts_between(text, labels[i], FIELDS[i].end, values[FIELDS[i].column]);

  const size_t movies = values[COLUMN_NAME].size();
  std::vector<CatalogRow> rows(movies, CatalogRow(CATALOG_COLUMNS));
  for (int column = 0; column < CATALOG_COLUMNS; ++column) {
    std::vector<std::string>& found = values[column];
    const size_t usable = std::min(found.size(), movies);  // never read past a short list
    for (size_t k = 0; k < usable; ++k)
      rows[k][column] = column == COLUMN_INTRO ? clean_intro(found[k]) : std::move(found[k]);
  }
  return rows;
}

std::string clean_intro(std::string_view intro) {
  static constexpr std::string_view REMOVED[] = {
      "&rdquo;", "&mdash;", "&middot;", "&ldquo;", R"(\n\n\t)", "&hellip;",
  };
  std::string text(intro);
  for (std::string_view piece : REMOVED)
    if (text.find(piece) != std::string::npos) text = replace(text, piece);
  return text;
}

}  // namespace vexlune
