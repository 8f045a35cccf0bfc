#include "platform/wx/fonts.h"

#include <initializer_list>

#include <wx/fontenum.h>
#include <wx/settings.h>

#include "platform/wx/display_text.h"

namespace vexlune::wx {
namespace {

constexpr double POINTS_PER_PIXEL = 72.0 / 96.0;
constexpr double WINDOW_FONT_POINTS = 9.0;

wxString installed_face(const wxString& wanted) {
  if (!wanted.empty() && wxFontEnumerator::IsValidFacename(wanted)) return wanted;
  const bool song = wanted == wxString::FromUTF8("宋体") || wanted.CmpNoCase("SimSun") == 0 ||
                    wanted.CmpNoCase("NSimSun") == 0;
  if (song) {
    for (const char* face :
         {"SimSun", "NSimSun", "Noto Serif CJK SC", "Source Han Serif SC", "AR PL UMing CN"}) {
      if (wxFontEnumerator::IsValidFacename(face)) return face;
    }
  }
  for (const char* face : {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Zen Hei",
                           "WenQuanYi Micro Hei", "Droid Sans Fallback"}) {
    if (wxFontEnumerator::IsValidFacename(face)) return face;
  }
  return {};  // the system default face; fontconfig still finds glyphs for Chinese
}

}  // namespace

wxFont default_window_font() {
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  font.SetFractionalPointSize(WINDOW_FONT_POINTS);
  // A CJK face for the Latin letters too: the system face is often much wider than the
  // Windows one, and mixed texts like "Vexlune资源器：" must fit their boxes.
  const wxString face = installed_face({});
  if (!face.empty()) font.SetFaceName(face);
  return font;
}

wxFont make_font(const ui::Font& font) {
  wxFont made = default_window_font();
  if (font.height > 0) made.SetFractionalPointSize(font.height * POINTS_PER_PIXEL);
  if (font.bold) made.SetWeight(wxFONTWEIGHT_BOLD);
  if (!font.face.empty()) {
    const wxString face = installed_face(to_wx(font.face));
    if (!face.empty()) made.SetFaceName(face);
  }
  return made;
}

}  // namespace vexlune::wx
