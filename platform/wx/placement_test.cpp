#include "platform/wx/placement.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "app/main_window_layout.h"

namespace vexlune::wx {
namespace {

using ui::ControlKind;
using ui::ControlLayout;

struct Table {
  explicit Table(const ui::WindowLayout& layout) {
    for (const ControlLayout& control : layout.controls)
      layouts.emplace(control.name, control);
  }
  Placement place(const std::string& name) const {
    return resolve_place(layouts.at(name), [this](std::string_view parent) -> const ControlLayout* {
      auto it = layouts.find(std::string(parent));
      return it == layouts.end() ? nullptr : &it->second;
    });
  }
  std::map<std::string, ControlLayout> layouts;
};

bool operator==(const ui::Rect& a, const ui::Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TEST(Placement, MainWindowControlsResolveToTheirContainers) {
  // The UTF-8 table is enough here: placement looks only at names and places.
  const Table table(main_window_layout("http://127.0.0.1"));
  struct Case {
    const char* name;
    int page;
    ui::Rect rect;
  };
  const Case cases[] = {
      {"选择夹1", -1, {0, 8, 688, 432}},
      {"全区广告位1号", -1, {712, 40, 184, 24}},  // a sibling of its group box
      {"全区广告位12号", -1, {712, 392, 184, 24}},
      {"编辑框1", 0, {8, 32, 544, 24}},  // relative to the tab control itself
      {"标签9", 1, {40, 392, 608, 24}},
      {"超文本浏览框1", 4, {16, 40, 656, 360}},  // group box on a page: still the page
  };
  for (const Case& c : cases) {
    const Placement placement = table.place(c.name);
    EXPECT_EQ(placement.page, c.page) << c.name;
    EXPECT_TRUE(placement.rect == c.rect) << c.name;
  }
}

TEST(Placement, UnknownOrLoopingParentsEndTheChain) {
  const Table table(ui::WindowLayout{
      .controls = {
          {.kind = ControlKind::Label, .name = "orphan", .place = {5, 6, 7, 8}, .parent = "none"},
          {.kind = ControlKind::GroupBox, .name = "a", .place = {1, 1, 9, 9}, .parent = "b"},
          {.kind = ControlKind::GroupBox, .name = "b", .place = {1, 1, 9, 9}, .parent = "a"},
      }});
  EXPECT_TRUE(table.place("orphan").rect == (ui::Rect{5, 6, 7, 8}));
  EXPECT_EQ(table.place("a").page, -1);  // returns instead of walking forever
}

}  // namespace
}  // namespace vexlune::wx
