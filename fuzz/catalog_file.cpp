// Every cell must come from the file: the five plain cells are pieces of the text, the
// introduction is a subsequence of it (cleaning only deletes), and no row lacks a column.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalog/catalog_file.h"
#include "text/text.h"

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

// clean_intro as six plain replacements; the fast version must agree with it everywhere.
std::string reference_clean(std::string_view text) {
  std::string out(text);
  for (std::string_view piece :
       {"&rdquo;", "&mdash;", "&middot;", "&ldquo;", "\\n\\n\\t", "&hellip;"})
    out = vexlune::replace(out, piece);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  text = text.substr(0, text.find('\0'));  // as the loader reads a body
  if (vexlune::clean_intro(std::string(text)) != reference_clean(text)) std::abort();
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
