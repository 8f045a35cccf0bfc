#include "app/notice_page.h"

#include <gtest/gtest.h>

#include <chrono>

#include "app/test_support.h"

namespace vexlune {
namespace {

using headless::gbk;

std::string slot(int k, const std::string& link, const std::string& text) {
  const std::string n = std::to_string(k);
  return "<P>广告位" + n + "=<span style=\"font-size:12px;\">" + link + "</span></P>" +
         "<P>广告位文字" + n + "=<span style=\"color:red;font-size:14px;\">" + text +
         "</span></P>\n";
}

// A notice page as the blog serves it: UTF-8 HTML around the labelled values.
std::string full_page(const std::string& version) {
  std::string page = "<html><head><meta charset=\"utf-8\"></head><body><div class=\"art\">\n";
  page += "<P>版本号=" + version + "</P>\n<P>更新内容=新版发布</P>\n";
  page += "<P>状态条=欢迎使用</P>\n<P>官方网站=http://127.0.0.1:9/home</P>\n";
  for (int k = 1; k <= AD_SLOTS; ++k)
    page += slot(k, "http://127.0.0.1:9/ad" + std::to_string(k), "广告" + std::to_string(k));
  return page + "</div></body></html>";
}

TEST(ParseNoticePage, ReadsEachValueByItsRules) {
  struct Case {
    const char* name;
    std::string page;  // UTF-8
    int version;
    std::string status;
    std::string link1, link10, text1;
  } cases[] = {
      {"newer version", "版本号=4</P>", 4, "", "", "", ""},
      {"lower-case end tag", "版本号=3</p>", 3, "", "", "", ""},
      {"leading space", "版本号= 5</P>", 5, "", "", "", ""},
      {"full-width digits", "版本号=１２</P>", 12, "", "", "", ""},
      {"no leading digits", "版本号=x5</P>", 0, "", "", "", ""},
      {"no end tag", "版本号=7", 0, "", "", "", ""},
      {"first occurrence wins", "状态条=a</P>状态条=b</P>", 0, "a", "", "", ""},
      {"value is not trimmed, markup stays", "状态条= <b>x</b> </P>", 0, " <b>x</b> ", "", "", ""},
      {"slot 1 and slot 10 apart",
       "广告位10=<i style=\"a:1px;\">U10</i></P>广告位1=<i style=\"a:1px;\">U1</i></P>", 0, "",
       "U1", "U10", ""},
      {"slot text label is not the slot link label", "广告位文字1=<i style=\"a:1px;\">T</i></P>", 0,
       "", "", "", "T"},
      {"slot without the marker", "广告位1=U</P>", 0, "", "", "", ""},
      {"slot marker without a following tag", "广告位1=<i style=\"a:1px;\">U</P>", 0, "", "", "",
       ""},
      {"slot marker with nothing after it", "广告位1=<i style=\"a:1px;\"></P>", 0, "", "", "", ""},
      {"empty page", "", 0, "", "", "", ""},
  };
  for (const Case& c : cases) {
    NoticePage notice = parse_notice_page(gbk(c.page));
    EXPECT_EQ(notice.version, c.version) << c.name;
    EXPECT_EQ(notice.status_text, gbk(c.status)) << c.name;
    EXPECT_EQ(notice.slot_links[0], gbk(c.link1)) << c.name;
    EXPECT_EQ(notice.slot_links[9], gbk(c.link10)) << c.name;
    EXPECT_EQ(notice.slot_texts[0], gbk(c.text1)) << c.name;
  }
}

class NoticePageRead : public ::testing::Test {
 protected:
  ui::Window& window() { return program.window(); }
  ui::Control& ad(int k) { return window().control(gbk("全区广告位" + std::to_string(k) + "号")); }
  std::string status_text() { return window().status_bar(gbk("状态条1")).part_text(5); }
  // Reads the page again as the start did, with the page the test serves now.
  void read_again(std::chrono::milliseconds limit = NOTICE_FETCH_LIMIT) {
    read_notice_page(*program.app, limit);
  }

  StartedProgram program;
};

TEST_F(NoticePageRead, AFailedReadAtStartEmptiesTheStatusAndEverySlot) {
  // The blog answered 404 with no labels, as an unreachable blog leaves everything empty too.
  EXPECT_EQ(program.blog.requests().at(0).target, TEST_NOTICE_PATH);
  EXPECT_EQ(status_text(), "");
  for (int k = 1; k <= AD_SLOTS; ++k) {
    EXPECT_EQ(ad(k).text(), "") << k;
    EXPECT_EQ(ad(k).link_target(), "") << k;
  }
  EXPECT_TRUE(program.desktop().message_boxes().empty());
}

TEST_F(NoticePageRead, AppliesStatusAndSlotsThenPromptsForANewerVersion) {
  program.blog.serve(full_page("4"));
  program.desktop().queue_answer(ui::ANSWER_YES);
  read_again();
  EXPECT_EQ(status_text(), gbk("欢迎使用"));
  for (int k = 1; k <= AD_SLOTS; ++k) {
    EXPECT_EQ(ad(k).link_target(), "http://127.0.0.1:9/ad" + std::to_string(k));
    EXPECT_EQ(ad(k).text(), gbk("广告" + std::to_string(k)));
  }
  auto boxes = program.desktop().message_boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, gbk("更新提示"));
  EXPECT_EQ(boxes[0].flags, ui::MB_YES_NO);
  EXPECT_EQ(boxes[0].text, gbk("新版发布\r\n\r\n      官方网站：http://127.0.0.1:9/home"));
  EXPECT_EQ(program.desktop().opened_urls(), std::vector<std::string>{"http://127.0.0.1:9/home"});
}

TEST_F(NoticePageRead, AnsweringNoOrTheSameVersionOpensNothing) {
  program.blog.serve(full_page("4"));
  program.desktop().queue_answer(ui::ANSWER_NO);
  read_again();
  program.blog.serve(full_page("3"));
  read_again();
  EXPECT_EQ(program.desktop().message_boxes().size(), 1u);
  EXPECT_TRUE(program.desktop().opened_urls().empty());
}

TEST_F(NoticePageRead, AWebsiteThatIsNoWebAddressIsNeverOpened) {
  program.blog.serve(
      "版本号=4</P>官方网站=javascript:alert(1)</P>广告位1=<i style=\"a:1px;\">"
      "file:///etc/passwd</i></P>");
  program.desktop().queue_answer(ui::ANSWER_YES);
  read_again();
  EXPECT_EQ(program.desktop().message_boxes().size(), 1u);
  EXPECT_EQ(ad(1).link_target(), "file:///etc/passwd");
  headless::click(window(), ad(1).name());
  EXPECT_TRUE(program.desktop().opened_urls().empty());
}

TEST_F(NoticePageRead, ABlogThatNeverAnswersCostsNoMoreThanTheLimit) {
  program.blog.serve(full_page("4"));
  read_again();  // the slots are filled now
  program.blog.answer([](const testing::Request&) {
    return testing::Response{.body = "状态条=late</P>", .stall = std::chrono::seconds(60)};
  });
  const auto begin = std::chrono::steady_clock::now();
  read_again(std::chrono::milliseconds(200));
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(30));
  EXPECT_EQ(status_text(), "");
  EXPECT_EQ(ad(12).text(), "");
  EXPECT_EQ(program.desktop().message_boxes().size(), 1u);  // only the earlier prompt
}

TEST(NoticePageStart, AnUnreachableBlogLeavesEverythingEmptyAndNoPrompt) {
  std::string closed_port_url;
  {
    testing::LoopbackServer gone([](const testing::Request&) { return testing::Response{}; });
    closed_port_url = gone.url();
  }
  headless::HeadlessBackend backend;
  auto app = start_app(backend, test_endpoints(closed_port_url));
  ASSERT_TRUE(app);
  ui::Window& window = app->main_window();
  EXPECT_EQ(window.status_bar(gbk("状态条1")).part_text(5), "");
  EXPECT_EQ(window.control(gbk("全区广告位1号")).text(), "");
  EXPECT_TRUE(backend.script().message_boxes().empty());
  run_app(backend, *app);
  app->wait_for_workers(10000);
}

}  // namespace
}  // namespace vexlune
