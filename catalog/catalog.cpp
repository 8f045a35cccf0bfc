#include "catalog/catalog.h"

#include "text/codepage.h"
#include "text/text.h"

namespace vexlune {

std::string catalog_file_path(const Catalog& catalog, int number) {
  return concat(catalog.path_prefix, to_text(number), ".txt");
}

std::string gbk(std::string_view utf8) {
  return utf8_to_gbk(utf8);
}

}  // namespace vexlune
