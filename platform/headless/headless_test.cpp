#include <gtest/gtest.h>

#include <thread>

#include "platform/headless/desktop.h"
#include "platform/headless/input.h"

namespace vexlune::headless {
namespace {

ui::WindowLayout layout() {
  using ui::ControlKind;
  return {
      .name = "Dialog",
      .controls = {{.kind = ControlKind::Button, .name = "on"},
                   {.kind = ControlKind::Button, .name = "off", .disabled = true},
                   {.kind = ControlKind::RadioButton, .name = "r1", .page = 2, .checked = true},
                   {.kind = ControlKind::RadioButton, .name = "r2", .page = 2},
                   {.kind = ControlKind::RadioButton, .name = "other", .page = 1, .checked = true},
                   {.kind = ControlKind::Timer, .name = "timer"},
                   {.kind = ControlKind::Menu, .name = "menu", .items = {"a", "b"}}}};
}

TEST(HeadlessDesktop, MessageBoxesAnswerFromTheQueueThenTheHandlerThenAsClosed) {
  HeadlessDesktop desktop;
  desktop.queue_answer(ui::ANSWER_YES);
  EXPECT_EQ(desktop.message_box("q", ui::MB_YES_NO, "t"), ui::ANSWER_YES);
  EXPECT_EQ(desktop.message_box("q", ui::MB_YES_NO, "t"), ui::ANSWER_NO);
  EXPECT_EQ(desktop.message_box("i", ui::MB_OK_INFORMATION, "t"), ui::ANSWER_OK);
  desktop.set_message_box_handler([](const MessageBox& box) { return box.text == "y" ? 5 : 6; });
  EXPECT_EQ(desktop.message_box("y", ui::MB_YES_NO, "t"), ui::ANSWER_YES);
  // From a worker as well, recorded in order.
  std::thread([&] { desktop.message_box("n", ui::MB_YES_NO, "worker"); }).join();
  auto boxes = desktop.message_boxes();
  ASSERT_EQ(boxes.size(), 5u);
  EXPECT_EQ(boxes[4].title, "worker");
  EXPECT_EQ(boxes[2].flags, ui::MB_OK_INFORMATION);
}

TEST(HeadlessDesktop, AModalWindowIsCreatedThenActedOnThenClosed) {
  HeadlessDesktop desktop;
  auto window = std::make_shared<ui::Window>(layout());
  std::vector<std::string> seen;
  window->on("", ui::Event::Created, [&] { seen.push_back("created"); });
  desktop.queue_modal_action([&](ui::Window& open) {
    seen.push_back(open.closed() ? "closed too early" : "acting");
    desktop.set_clipboard("inside");
  });
  desktop.show_modal(window);
  EXPECT_TRUE(window->closed());
  desktop.show_modal(std::make_shared<ui::Window>(layout()));  // no action queued: closes at once
  EXPECT_EQ(seen, (std::vector<std::string>{"created", "acting"}));
  EXPECT_EQ(desktop.log(),
            (std::vector<std::string>{"modal Dialog", "clipboard inside", "modal Dialog"}));
}

TEST(HeadlessDesktop, PopupMenusRaiseTheQueuedChoice) {
  HeadlessDesktop desktop;
  ui::Window window(layout());
  std::vector<int> chosen;
  window.on_menu_item("menu", 1, [&] { chosen.push_back(1); });
  desktop.queue_menu_choice(1);
  desktop.queue_menu_choice(-1);
  for (int i = 0; i < 3; ++i)
    ui::pop_up_menu(desktop, window, "menu");
  EXPECT_EQ(chosen, std::vector<int>{1});
  EXPECT_EQ(desktop.popup_menus().size(), 3u);
}

TEST(Input, ClicksRadioButtonsAndTicksBehaveLikeAPerson) {
  ui::Window window(layout());
  int clicks = 0;
  window.on("on", ui::Event::Click, [&] { ++clicks; });
  window.on("off", ui::Event::Click, [&] { ++clicks; });
  EXPECT_TRUE(click(window, "on"));
  EXPECT_FALSE(click(window, "off"));
  EXPECT_EQ(clicks, 1);

  check_radio(window, "r2");
  EXPECT_FALSE(window.control("r1").checked());
  EXPECT_TRUE(window.control("r2").checked());
  EXPECT_TRUE(window.control("other").checked());  // another page's group

  int ticks = 0;
  window.on("timer", ui::Event::Tick, [&] {
    if (++ticks == 3) window.control("timer").set_timer_period(0);
  });
  EXPECT_EQ(tick(window, "timer", 10), 0);
  window.control("timer").set_timer_period(1);
  EXPECT_EQ(tick(window, "timer", 10), 3);
}

}  // namespace
}  // namespace vexlune::headless
