#include "platform/wx/display_text.h"

#include "text/codepage.h"

namespace vexlune::wx {

wxString to_wx(std::string_view gbk) {
  wxString text = wxString::FromUTF8(gbk_to_utf8(gbk));
  text.Replace("\r\n", "\n");
  return text;
}

std::string from_wx(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return utf8_to_gbk(std::string_view(utf8.data(), utf8.length()));
}

wxColour to_wx_colour(std::uint32_t bgr) {
  return wxColour(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

}  // namespace vexlune::wx
