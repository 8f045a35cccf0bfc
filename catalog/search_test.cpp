#include "catalog/search.h"

#include <gtest/gtest.h>

#include "catalog/test_fixture.h"

namespace vexlune {
namespace {

Movie named(const std::string& name) {
  return {name, "http://pan/" + name, "类型", "否", "http://img/" + name, "介绍" + name};
}

// What one results window showed while it was open.
struct Shown {
  std::string title;
  std::vector<std::vector<std::string>> rows;
};

class SearchTest : public CatalogTest {
 protected:
  void SetUp() override {
    start();
    for (const Catalog& catalog : CATALOGS) {
      std::vector<std::vector<std::string>> rows;
      for (const char* name : {"老电影", "ABC Movie", "电影院", "真諦", "B计划", "xabcx"})
        rows.push_back(row_of(named(name)));
      list(catalog).append_rows(std::move(rows));
    }
  }

  // Types the keyword, clicks the search button and records the results window, if any.
  std::vector<Shown> search(const Catalog& catalog, const std::string& keyword) {
    std::vector<Shown> shown;
    desktop().queue_modal_action([&](ui::Window& window) {
      Shown s{window.title(), {}};
      const ui::ListView& results = window.list(gbk("超级列表框2"));
      for (int row = 0; row < results.row_count(); ++row)
        s.rows.push_back(cells(results, row));
      shown.push_back(std::move(s));
    });
    headless::type_text(main(), gbk(catalog.keyword_box), gbk(keyword));
    headless::click(main(), gbk(catalog.search_button));
    return shown;
  }

  void expect_no_hits_left() {
    const AppState& s = app().state;
    for (auto* hits :
         {&s.hit_names, &s.hit_links, &s.hit_types, &s.hit_hd_flags, &s.hit_posters, &s.hit_intros})
      EXPECT_TRUE(hits->empty());
  }
};

TEST_F(SearchTest, ResultsWindowShowsTheMatchingRowsInListOrder) {
  struct Case {
    std::string keyword;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"电影", {"老电影", "电影院"}},
      {"abc", {"xabcx"}},             // case-sensitive: "ABC Movie" does not match
      {"B", {"ABC Movie", "B计划"}},  // never the second byte of 諦 (D6 42)
      {"老电影院", {}},               // no match still opens the window
  };
  for (const Catalog& catalog : CATALOGS) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.keyword);
      std::vector<Shown> shown = search(catalog, c.keyword);
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0].title, gbk(c.keyword + " - 搜索结果"));
      std::vector<std::vector<std::string>> expected;
      for (const std::string& name : c.names)
        expected.push_back(row_of(named(name)));
      EXPECT_EQ(shown[0].rows, expected);  // consecutive searches never mix their matches
      expect_no_hits_left();
    }
  }
  EXPECT_EQ(app().state.hit_keyword, gbk("老电影院"));
}

TEST_F(SearchTest, AnEmptyKeywordOpensNothing) {
  EXPECT_TRUE(search(BAIDU_CATALOG, "").empty());
  EXPECT_TRUE(desktop().modal_windows().empty());
}

TEST_F(SearchTest, ResultsMenuActsOnTheResultRightClickedAndLeavesSelectedLinkAlone) {
  // A catalog row right-clicked first: its link is what the main window's menu copies.
  desktop().queue_menu_choice(-1);
  headless::right_click_row(main(), gbk("超级列表框1"), 0);
  ASSERT_EQ(app().state.selected_link, gbk("http://pan/老电影"));

  std::string intro_title, intro_text;
  desktop().queue_modal_action([&](ui::Window& results) {
    const std::string view = gbk("超级列表框2");
    headless::right_click_row(results, view, -1);  // nothing under the mouse: no menu
    EXPECT_EQ(desktop().popup_menus().size(), 1u);

    desktop().queue_menu_choice(2);  // 复制地址
    headless::right_click_row(results, view, 1);
    desktop().queue_menu_choice(1);  // 打开资源
    headless::right_click_row(results, view, 0);
    desktop().queue_menu_choice(0);  // 影片介绍
    desktop().queue_modal_action([&](ui::Window& intro) {
      intro_title = intro.title();
      intro_text = intro.control(gbk("编辑框1")).text();
    });
    headless::right_click_row(results, view, 1);
  });
  headless::type_text(main(), gbk("编辑框1"), gbk("电影"));
  headless::click(main(), gbk("按钮3"));

  EXPECT_EQ(desktop().clipboard_texts(), std::vector<std::string>{gbk("http://pan/电影院")});
  EXPECT_EQ(desktop().opened_urls(), std::vector<std::string>{gbk("http://pan/老电影")});
  EXPECT_EQ(intro_title, gbk("电影院  - 影片介绍 "));
  EXPECT_EQ(intro_text, gbk("介绍电影院"));
  EXPECT_EQ(app().state.results_link, gbk("http://pan/电影院"));
  EXPECT_EQ(app().state.selected_link, gbk("http://pan/老电影"));

  main().choose_menu_item(gbk("菜单"), 2);  // the main window's own 复制地址
  EXPECT_EQ(desktop().clipboard_texts().back(), gbk("http://pan/老电影"));
}

}  // namespace
}  // namespace vexlune
