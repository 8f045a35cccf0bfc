#include "catalog/actions.h"

#include <gtest/gtest.h>

#include <chrono>

#include "catalog/intro_window.h"
#include "catalog/test_fixture.h"
#include "platform/jpeg/default_poster.h"

namespace vexlune {
namespace {

using namespace std::chrono_literals;

const std::string JPEG(default_poster_jpeg());

class ActionsTest : public CatalogTest {
 protected:
  void SetUp() override {
    serve([](const testing::Request& request) {
      testing::Response response;
      if (request.target == "/poster.jpg") response.body = JPEG;
      if (request.target == "/slow.jpg") {
        response.body = JPEG;
        response.stall = 800ms;
      }
      if (request.target == "/cut.jpg") response.body = JPEG.substr(0, JPEG.size() * 2 / 3);
      if (request.target == "/page.html") response.body = "<html><body>moved</body></html>";
      return response;
    });
    start();
  }

  // Puts movies into the Baidu list; poster paths are on the test server.
  void add(const std::vector<Movie>& movies) {
    std::vector<std::vector<std::string>> rows;
    for (Movie m : movies) {
      if (!m.poster_url.empty()) m.poster_url = server_->url() + m.poster_url;
      rows.push_back(row_of(m));
    }
    list(BAIDU_CATALOG).append_rows(std::move(rows));
  }

  // Right-clicks a row of the Baidu list and picks a menu item (-1 dismisses it).
  void choose(int row, int item) {
    desktop().queue_menu_choice(item);
    headless::right_click_row(main(), gbk("超级列表框1"), row);
  }
};

ui::PictureBox& poster_box(ui::Window& intro) {
  return intro.picture_box(gbk("图片框1"));
}

TEST_F(ActionsTest, MenuItemsActOnTheRowRightClicked) {
  add({{"A", "http://pan/L", "T", "H", "/poster.jpg", "第一行\r\n第二行"},
       {"B", "javascript:alert(1)", "T", "H", "", "b"}});
  choose(0, 2);  // 复制地址
  choose(0, 1);  // 打开资源
  std::string title, text;
  int mode = -1;
  desktop().queue_modal_action([&](ui::Window& intro) {
    title = intro.title();
    text = intro.control(gbk("编辑框1")).text();
    mode = poster_box(intro).display_mode();
  });
  choose(0, 0);  // 影片介绍
  EXPECT_EQ(desktop().clipboard_texts(), std::vector<std::string>{"http://pan/L"});
  EXPECT_EQ(desktop().opened_urls(), std::vector<std::string>{"http://pan/L"});
  EXPECT_EQ(desktop().modal_windows(), std::vector<std::string>{"IntroWindow"});
  EXPECT_EQ(title, gbk("A  - 影片介绍 "));
  EXPECT_EQ(text, gbk("第一行\r\n第二行"));
  EXPECT_EQ(mode, 1);  // stretched over the box

  choose(1, 1);  // a scheme that is no web or download link is refused quietly
  EXPECT_EQ(desktop().opened_urls().size(), 1u);
  choose(1, 2);  // copying takes any link as it is
  EXPECT_EQ(desktop().clipboard_texts().back(), "javascript:alert(1)");
}

TEST_F(ActionsTest, RightClickWithoutARowUnderTheMouseDoesNothing) {
  add({{"A", "http://pan/L", "T", "H", "/poster.jpg", "a"}});
  choose(-1, 2);
  list(BAIDU_CATALOG).append_row();  // appended, cells not yet written
  choose(1, 2);
  EXPECT_TRUE(desktop().popup_menus().empty());
  EXPECT_TRUE(desktop().clipboard_texts().empty());
  EXPECT_EQ(app().state.selected_link, "");
  EXPECT_EQ(app().state.selected_name, "");
}

TEST_F(ActionsTest, PosterReplacesTheDefaultPictureOrLeavesTheBoxBlank) {
  struct Case {
    const char* what;
    std::string poster;
    bool decoded;
  };
  const Case cases[] = {
      {"a JPEG", "/poster.jpg", true},         {"an HTML page", "/page.html", false},
      {"a JPEG cut short", "/cut.jpg", false}, {"an empty body", "/empty", false},
      {"no poster address", "", false},
  };
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    add({{c.what, "http://pan/x", "T", "H", c.poster, "i"}});
    ui::ImagePtr first, last;
    desktop().queue_modal_action([&](ui::Window& intro) {
      first = poster_box(intro).picture();
      EXPECT_TRUE(headless::eventually([&] { return poster_box(intro).picture() != first; }));
      last = poster_box(intro).picture();
    });
    choose(row++, 0);
    EXPECT_EQ(first, default_poster());  // shown at once, before the fetch ends
    if (c.decoded) {
      ASSERT_NE(last, nullptr);
      EXPECT_EQ(last->width, DEFAULT_POSTER_WIDTH);
    } else {
      EXPECT_EQ(last, nullptr);
    }
  }
}

TEST_F(ActionsTest, PosterOfAClosedWindowIsDroppedAndNeverReachesALaterOne) {
  add({{"A", "http://pan/a", "T", "H", "/slow.jpg", "a"},
       {"B", "http://pan/b", "T", "H", "/page.html", "b"}});
  choose(0, -1);  // A's fields, menu dismissed; A's window opened and closed at once
  std::shared_ptr<ui::Window> first = make_intro_window(app());
  desktop().show_modal(first);

  ui::ImagePtr shown_in_b = default_poster();
  desktop().queue_modal_action([&](ui::Window& intro) {
    // B's own answer (no image) arrives first; A's poster ends while B is still open.
    EXPECT_TRUE(headless::eventually([&] { return poster_box(intro).picture() == nullptr; }));
    EXPECT_TRUE(headless::eventually([&] { return requested("/slow.jpg").size() == 1; }));
    EXPECT_TRUE(headless::eventually([&] { return app().running_workers() == 0; }));
    shown_in_b = poster_box(intro).picture();
  });
  choose(1, 0);
  EXPECT_EQ(shown_in_b, nullptr);
  EXPECT_EQ(poster_box(*first).picture(), default_poster());  // closed: A's poster was dropped
}

}  // namespace
}  // namespace vexlune
