#include "app/ui/window.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/ui/desktop.h"

namespace vexlune::ui {
namespace {

WindowLayout layout() {
  return {.name = "W",
          .controls = {{.kind = ControlKind::Button, .name = "b"},
                       {.kind = ControlKind::Menu, .name = "m", .items = {"x", "y"}}}};
}

// Answers every popup with one fixed item.
class FixedMenuDesktop : public Desktop {
 public:
  explicit FixedMenuDesktop(int item) : item_(item) {}
  int message_box(std::string_view, int, std::string_view) override { return ANSWER_OK; }
  void show_modal(const std::shared_ptr<Window>&) override {}
  int popup_menu(Window&, std::string_view) override { return item_; }
  void set_clipboard(std::string_view) override {}
  void open_url(std::string_view) override {}

 private:
  int item_;
};

TEST(Window, EventsReachOnlyTheirHandlerAndUnboundEventsDoNothing) {
  Window window(layout());
  std::vector<std::string> seen;
  window.on("b", Event::Click, [&] { seen.push_back("click"); });
  window.on("", Event::Created, [&] {
    seen.push_back("created");
    window.raise("b", Event::Click);  // a handler may raise further events
  });
  window.raise("b", Event::ItemRightClick);
  window.raise("nothing", Event::Click);
  window.raise("", Event::Created);
  EXPECT_EQ(seen, (std::vector<std::string>{"created", "click"}));
  window.on("b", Event::Click, [&] { seen.push_back("replaced"); });
  window.raise("b", Event::Click);
  EXPECT_EQ(seen.back(), "replaced");
}

TEST(Window, PopUpMenuRaisesTheChosenItemOnly) {
  Window window(layout());
  std::vector<int> chosen;
  window.on_menu_item("m", 0, [&] { chosen.push_back(0); });
  window.on_menu_item("m", 1, [&] { chosen.push_back(1); });
  for (int item : {1, -1, 0, 7}) {
    FixedMenuDesktop desktop(item);
    pop_up_menu(desktop, window, "m");
  }
  EXPECT_EQ(chosen, (std::vector<int>{1, 0}));
}

}  // namespace
}  // namespace vexlune::ui
