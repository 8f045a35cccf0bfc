#include "catalog/catalog_file.h"

#include <algorithm>
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

// Deletes every occurrence of an ASCII `piece` that begins on a character boundary, left to
// right, without looking again at the text that a deletion joins: what `replace` with an empty
// replacement does, in place. Deleting whole ASCII characters leaves every other character
// boundary where it was, so the passes for the six pieces can follow one another.
void remove_every(std::string& text, std::string_view piece) {
  size_t read = text.find(piece);  // none at all, at any byte: nothing to do
  if (read == std::string::npos) return;
  read = 0;
  size_t write = 0;
  const size_t size = text.size();
  while (read < size) {
    const auto byte = static_cast<unsigned char>(text[read]);
    if (byte == static_cast<unsigned char>(piece[0]) &&
        std::string_view(text).substr(read, piece.size()) == piece) {
      read += piece.size();
      continue;
    }
    const size_t width = byte >= 0x80 && read + 1 < size ? 2 : 1;
    for (size_t k = 0; k < width; ++k)
      text[write++] = text[read++];
  }
  text.resize(write);
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
      rows[k][column] =
          column == COLUMN_INTRO ? clean_intro(std::move(found[k])) : std::move(found[k]);
  }
  return rows;
}

std::string clean_intro(std::string intro) {
  static constexpr std::string_view REMOVED[] = {
      "&rdquo;", "&mdash;", "&middot;", "&ldquo;", R"(\n\n\t)", "&hellip;",
  };
  for (std::string_view piece : REMOVED)
    remove_every(intro, piece);
  return intro;
}

}  // namespace vexlune
