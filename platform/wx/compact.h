#pragma once
// GTK's default theme gives tabs, entries, buttons and radio buttons minimum heights of about
// 34 pixels; the layouts were drawn for the tighter controls of Windows (a 24-pixel edit box,
// tab headers under 24 pixels). A Compact<Control> lowers those minimums for its own widget so
// that the layout's places hold.

#include <utility>

namespace vexlune::wx {

// Each CSS text styles one widget and the parts GTK draws inside it (a notebook's tabs).
inline constexpr const char* COMPACT_TABS =
    "header { padding: 0; } tab { min-height: 0; min-width: 0; padding: 2px 8px; }";
inline constexpr const char* COMPACT_ENTRY =
    "entry { min-height: 0; padding-top: 0; padding-bottom: 0; padding-left: 3px; "
    "padding-right: 3px; }";
inline constexpr const char* COMPACT_BUTTON =
    "button { min-height: 0; min-width: 0; padding: 0 2px; }";
inline constexpr const char* COMPACT_RADIO =
    "radiobutton { min-height: 0; padding: 0; } radio { margin: 0 1px 0 0; min-width: 12px; "
    "min-height: 12px; }";

template <typename Control>
class Compact : public Control {
 public:
  template <typename... Args>
  explicit Compact(const char* css, Args&&... args) : Control(std::forward<Args>(args)...) {
    this->GTKApplyCssStyle(css);
  }
};

}  // namespace vexlune::wx
