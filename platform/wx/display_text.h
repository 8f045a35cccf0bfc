#pragma once
// The edge between GBK models and wx display text. Call on the UI thread only.

#include <cstdint>
#include <string>
#include <string_view>

#include <wx/colour.h>
#include <wx/string.h>

namespace vexlune::wx {

// GBK model text to display text; "\r\n" becomes one line break, as a Windows control shows it.
wxString to_wx(std::string_view gbk);
// Display text (what the user typed) to GBK model text; characters GBK lacks become "?".
std::string from_wx(const wxString& text);
// A Windows colour value 0x00BBGGRR.
wxColour to_wx_colour(std::uint32_t bgr);

}  // namespace vexlune::wx
