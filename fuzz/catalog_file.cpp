// Every cell must come from the file: the five plain cells are pieces of the text, the
// introduction is a subsequence of it (cleaning only deletes), and no row lacks a column.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalog/catalog_file.h"

namespace {

bool is_subsequence(std::string_view piece, std::string_view text) {
  size_t at = 0;
  for (char c : piece) {
    at = text.find(c, at);
    if (at == std::string_view::npos) return false;
    ++at;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  text = text.substr(0, text.find('\0'));  // as the loader reads a body
  const auto rows = vexlune::parse_catalog_file(text);
  // Each row needs at least its name label and one bar.
  if (rows.size() > text.size() / 11) std::abort();
  for (const auto& row : rows) {
    if (row.size() != vexlune::CATALOG_COLUMNS) std::abort();
    if (row[vexlune::COLUMN_NAME].empty()) std::abort();
    for (int column = 0; column < vexlune::CATALOG_COLUMNS; ++column) {
      const std::string& cell = row[column];
      if (column == vexlune::COLUMN_INTRO ? !is_subsequence(cell, text)
                                          : text.find(cell) == std::string_view::npos)
        std::abort();
    }
  }
  return 0;
}
