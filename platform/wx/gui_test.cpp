// The wx backend drawing the real main window under a private Xvfb.

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include <wx/hyperlink.h>

#include <wx/generic/hyperlink.h>  // needs the block above

#include "app/main_window_layout.h"
#include "app/ui/gbk_layout.h"
#include "platform/wx/picture_view.h"
#include "platform/wx/testing/gui_fixture.h"
#include "platform/wx/x11/x_client.h"
#include "testing/loopback_server.h"

namespace vexlune::wx::testing {
namespace {

using namespace std::chrono_literals;
using vexlune::testing::LoopbackServer;
using vexlune::testing::Request;
using vexlune::testing::Response;

// A notice page announcing the current version (no prompt), a status text and two slots.
const char* const NOTICE_PAGE =
    "<html><body><P>版本号=3</P><P>更新内容=无</P><P>状态条=测试状态</P>"
    "<P>官方网站=http://127.0.0.1/</P>"
    "<P>广告位1=<span style=\"font-size:12px;\">http://127.0.0.1/ad1</span></P>"
    "<P>广告位文字1=<span style=\"font-size:12px;\">一号广告</span></P>"
    "<P>广告位文字12=<span style=\"font-size:12px;\">十二号</span></P></body></html>";

class MainWindowGui : public GuiTest {
 protected:
  void start_with_notice() {
    Endpoints endpoints{.maker_url = "http://127.0.0.1:9",
                        .blog_url = notice_.url(),
                        .notice_post = "test",
                        .search_url = "http://127.0.0.1:9"};
    start(endpoints);
  }

  // The place of a widget in the main window's client area, read from the screen.
  wxRect client_rect(wxWindow* w) {
    wxWindow* client = backend.main_frame()->GetChildren().front();
    for (wxWindow* child : backend.main_frame()->GetChildren()) {
      if (!dynamic_cast<wxStatusBar*>(child)) client = child;
    }
    return {w->GetScreenPosition() - client->GetScreenPosition(), w->GetSize()};
  }

  LoopbackServer notice_{[](const Request&) { return Response{.body = NOTICE_PAGE}; }};
};

TEST_F(MainWindowGui, OpensTitledAtItsSizeWithFivePagesInOrderOnTheRequestPage) {
  start_with_notice();
  run([this] {
    on_ui([this] {
      wxFrame* frame = backend.main_frame();
      EXPECT_EQ(frame->GetTitle(), utf8("Vexlune资源器[最新最全的电影资源] v 3.0"));
      EXPECT_EQ(frame->GetSize(), wxSize(929, 501));
      EXPECT_EQ(frame->GetPosition(), wxPoint(50, 50));
      EXPECT_FALSE(frame->GetMenuBar());  // the creation handler hid all three menus
      auto* tabs = dynamic_cast<wxNotebook*>(widget("选择夹1"));
      ASSERT_TRUE(tabs);
      const char* pages[] = {"百度云", "360云盘", "网盘搜索", "百度云群共享", "求片通道"};
      ASSERT_EQ(tabs->GetPageCount(), 5u);
      for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(tabs->GetPageText(i), utf8(pages[i])) << i;
      EXPECT_EQ(tabs->GetSelection(), 4);
    });
  });
}

TEST_F(MainWindowGui, NoticePageFillsTheStatusBarAndTheLinks) {
  start_with_notice();
  run([this] {
    EXPECT_TRUE(wait_until([this] {
      auto* bar = dynamic_cast<wxStatusBar*>(widget("状态条1"));
      return bar && bar->GetStatusText(5) == utf8("测试状态");
    }));
    on_ui([this] {
      auto* bar = dynamic_cast<wxStatusBar*>(widget("状态条1"));
      const int widths[] = {85, 30, 70, 130, 50, 330};
      ASSERT_EQ(bar->GetFieldsCount(), 6);
      for (int i = 0; i < 6; ++i)
        EXPECT_EQ(bar->GetStatusWidth(i), widths[i]) << i;
      EXPECT_EQ(bar->GetStatusText(0), utf8("Vexlune资源器："));
      auto* first = dynamic_cast<wxGenericHyperlinkCtrl*>(widget("全区广告位1号"));
      auto* second = dynamic_cast<wxGenericHyperlinkCtrl*>(widget("全区广告位2号"));
      auto* last = dynamic_cast<wxGenericHyperlinkCtrl*>(widget("全区广告位12号"));
      ASSERT_TRUE(first && second && last);
      EXPECT_EQ(first->GetLabel(), utf8("一号广告"));
      EXPECT_EQ(first->GetURL(), "http://127.0.0.1/ad1");
      EXPECT_EQ(second->GetLabel(), "");  // every slot is written, empty ones too
      EXPECT_EQ(last->GetLabel(), utf8("十二号"));
    });
  });
}

TEST_F(MainWindowGui, ControlsSitWhereTheLayoutTablesPutThem) {
  start_with_notice();
  struct Case {
    const char* name;
    int page;      // shown first; -1 for controls beside the tabs
    wxRect place;  // in the client area: tab control at 0,8, group box 分组框2 at 696,16
  };
  const Case cases[] = {
      {"选择夹1", -1, {0, 8, 688, 432}},         {"分组框2", -1, {696, 16, 216, 424}},
      {"全区广告位1号", -1, {712, 40, 184, 24}}, {"全区广告位12号", -1, {712, 392, 184, 24}},
      {"编辑框1", 0, {8, 40, 544, 24}},          {"按钮3", 0, {568, 36, 104, 31}},
      {"超级列表框1", 0, {8, 72, 672, 320}},     {"标签8", 0, {40, 400, 608, 24}},
      {"编辑框3", 2, {104, 40, 176, 24}},        {"单选框2", 2, {360, 40, 64, 24}},
      {"按钮6", 2, {472, 403, 72, 25}},          {"编辑框5", 2, {552, 406, 48, 20}},
      {"上一页按钮", 3, {536, 304, 136, 24}},    {"分组框1", 4, {8, 32, 672, 384}},
  };
  run([&] {
    for (const Case& c : cases) {
      if (c.page >= 0) {
        on_ui([&] { window().control(gbk("选择夹1")).set_current_page(c.page); });
        ASSERT_TRUE(wait_until([&] { return widget(c.name)->IsShownOnScreen(); })) << c.name;
      }
      EXPECT_EQ(on_ui([&] { return client_rect(widget(c.name)); }), c.place) << c.name;
    }
    on_ui([this] {
      // "14-pixel" bold SimSun is a Windows font height: 10.5 pt.
      const wxFont font = widget("标签8")->GetFont();
      EXPECT_DOUBLE_EQ(font.GetFractionalPointSize(), 10.5);
      EXPECT_EQ(font.GetWeight(), wxFONTWEIGHT_BOLD);
      auto* list = dynamic_cast<wxListCtrl*>(widget("超级列表框1"));
      const int widths[] = {180, 200, 160, 100, 0, 0};
      ASSERT_EQ(list->GetColumnCount(), 6);
      for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list->GetColumnWidth(i), widths[i]) << i;
    });
  });
}

TEST_F(MainWindowGui, AWorkersWritesShowInTheWidgets) {
  start_with_notice();
  static constexpr int ROWS = 5000;
  std::atomic<int> ticks_seen{0};
  run([&] {
    on_ui([this] { window().control(gbk("选择夹1")).set_current_page(PAGE_BAIDU); });
    app->start_thread([&](App& a) {
      ui::Window& w = a.main_window();
      std::vector<ui::ListView::Row> rows;
      for (int i = 0; i < ROWS; ++i) {
        rows.push_back({gbk("电影") + std::to_string(i), "http://pan/" + std::to_string(i),
                        gbk("动作"), gbk("高清"), "http://poster/" + std::to_string(i),
                        gbk("介绍")});
      }
      for (auto& row : rows)  // one by one, as a loader appends them
        w.list(gbk("超级列表框1")).append_row(std::move(row));
      a.state.elapsed_ticks = 0;
      w.control(gbk("时钟1")).set_timer_period(1);
    });
    EXPECT_TRUE(wait_until([this] {
      auto* list = dynamic_cast<wxListCtrl*>(widget("超级列表框1"));
      return list->GetItemCount() == ROWS;
    }));
    // The timer, started by the worker, ticks on the UI thread and the tick handler writes the
    // running count to the label of the page in view.
    EXPECT_TRUE(wait_until([this] {
      return dynamic_cast<wxStaticText*>(widget("标签8"))
          ->GetLabel()
          .StartsWith(utf8("正在加载电影资源  耗时  [ "));
    }));
    ticks_seen = app->state.elapsed_ticks.load();
    EXPECT_TRUE(on_ui([this] { return backend.main_view()->timer(gbk("时钟1"))->IsRunning(); }));
    app->start_thread([](App& a) {
      ui::Window& w = a.main_window();
      w.control(gbk("时钟1")).set_timer_period(0);
      w.control(gbk("标签8")).set_text(gbk("加载完成  共耗时：[ 7 ] 毫秒"));
    });
    EXPECT_TRUE(wait_until([this] {
      return dynamic_cast<wxStaticText*>(widget("标签8"))->GetLabel() ==
             utf8("加载完成  共耗时：[ 7 ] 毫秒");
    }));
    on_ui([this] {
      EXPECT_FALSE(backend.main_view()->timer(gbk("时钟1"))->IsRunning());
      auto* list = dynamic_cast<wxListCtrl*>(widget("超级列表框1"));
      EXPECT_EQ(list->GetItemText(ROWS - 1, 0), utf8("电影4999"));
      EXPECT_EQ(list->GetItemText(7, 3), utf8("高清"));
      // The two zero-width columns draw nothing; the model keeps what cell reads return.
      EXPECT_EQ(list->GetItemText(7, 4), "");
      EXPECT_EQ(list->GetItemText(7, 5), "");
      EXPECT_EQ(window().list(gbk("超级列表框1")).cell(7, 4), "http://poster/7");
    });
  });
  EXPECT_GT(ticks_seen.load(), 0);
}

TEST_F(MainWindowGui, MessageBoxesFromAWorkerHaveChineseButtonsAndBlockOnlyTheWorker) {
  start_with_notice();
  std::atomic<int> yes_no{-1}, ok{-1};
  run([&] {
    app->start_thread([&](App& a) {
      yes_no = a.desktop().message_box(gbk("有新版本\r\n\r\n      官方网站：W"), ui::MB_YES_NO,
                                       gbk("更新提示"));
      ok = a.desktop().message_box(gbk("您还有资源没有加载完成"), ui::MB_OK_INFORMATION,
                                   gbk("提示"));
    });
    ASSERT_TRUE(wait_until([this] { return backend.wx_desktop().top_dialog() != nullptr; }));
    on_ui([this] {
      wxDialog* box = backend.wx_desktop().top_dialog();
      EXPECT_EQ(box->GetTitle(), utf8("更新提示"));
      std::vector<wxString> labels;
      wxString message;  // the box shows each line of its text in a label of its own
      for (wxWindow* child : box->GetChildren()) {
        if (auto* button = dynamic_cast<wxButton*>(child)) labels.push_back(button->GetLabel());
        if (auto* text = dynamic_cast<wxStaticText*>(child)) message += text->GetLabel() + "|";
      }
      EXPECT_EQ(message, utf8("有新版本|      官方网站：W|"));  // the blank line is a gap
      EXPECT_NE(std::find(labels.begin(), labels.end(), utf8("是")), labels.end());
      EXPECT_NE(std::find(labels.begin(), labels.end(), utf8("否")), labels.end());
    });
    // The UI thread keeps working while the worker waits for its answer.
    on_ui([this] { window().control(gbk("标签8")).set_text("x"); });
    EXPECT_TRUE(wait_until(
        [this] { return dynamic_cast<wxStaticText*>(widget("标签8"))->GetLabel() == "x"; }));
    on_ui([this] { backend.wx_desktop().top_dialog()->EndModal(wxID_YES); });
    ASSERT_TRUE(wait_until([this] {
      wxDialog* box = backend.wx_desktop().top_dialog();
      return box && box->GetTitle() == utf8("提示");
    }));
    on_ui([this] {
      bool ok_label = false;
      for (wxWindow* child : backend.wx_desktop().top_dialog()->GetChildren()) {
        if (auto* button = dynamic_cast<wxButton*>(child))
          ok_label |= button->GetLabel() == utf8("确定");
      }
      EXPECT_TRUE(ok_label);
      backend.wx_desktop().top_dialog()->EndModal(wxID_OK);
    });
    EXPECT_TRUE(app->wait_for_workers(10000));
  });
  EXPECT_EQ(yes_no.load(), ui::ANSWER_YES);
  EXPECT_EQ(ok.load(), ui::ANSWER_OK);
}

TEST_F(MainWindowGui, ClosingTheWindowReleasesWorkersBlockedOnTheDesktop) {
  start_with_notice();
  std::atomic<int> answer{-1}, later{-1};
  std::atomic<bool> keep_writing{true};
  run([&] {
    app->start_thread([&](App& a) {
      answer = a.desktop().message_box(gbk("等待"), ui::MB_YES_NO, gbk("提示"));
      later = a.desktop().message_box(gbk("晚了"), ui::MB_OK_INFORMATION, gbk("提示"));
    });
    app->start_thread([&](App& a) {
      // A loader still appending rows after the window has gone.
      while (keep_writing)
        a.main_window().list(gbk("超级列表框2")).append_row({"row"});
    });
    ASSERT_TRUE(wait_until([this] { return backend.wx_desktop().top_dialog() != nullptr; }));
  });  // run closes the main window here, with the box still open
  EXPECT_EQ(answer.load(), ui::ANSWER_NO);
  EXPECT_EQ(later.load(), ui::ANSWER_OK);  // a stopped desktop answers at once
  std::this_thread::sleep_for(100ms);
  keep_writing = false;
  EXPECT_TRUE(app->wait_for_workers(10000));
  EXPECT_TRUE(app->exit_routine_ran());
}

TEST_F(MainWindowGui, UserInputWritesTheModelBeforeTheEventIsRaised) {
  start_with_notice();
  const std::string tabs = gbk("选择夹1"), list = gbk("超级列表框3");
  std::atomic<int> page_at_click{-1}, row_at_right_click{-1}, button_clicks{0};
  window().on(tabs, ui::Event::Click,
              [&] { page_at_click = window().control(tabs).current_page(); });
  window().on(list, ui::Event::ItemRightClick,
              [&] { row_at_right_click = window().list(list).selected_row(); });
  window().on(gbk("按钮1"), ui::Event::Click, [&] { ++button_clicks; });
  std::atomic<int> link_clicks{0};
  window().on(gbk("全区广告位1号"), ui::Event::Click, [&] { ++link_clicks; });
  run([&] {
    app->start_thread([&](App& a) {
      for (int i = 0; i < 20; ++i)
        a.main_window().list(list).append_row({std::to_string(i)});
    });
    click_at(tab_header(PAGE_SEARCH));
    ASSERT_TRUE(wait_until([&] { return page_at_click == PAGE_SEARCH; }));

    click_at(centre_of("编辑框3"));
    xdotool("type --delay 20 abc");
    EXPECT_TRUE(wait_until([this] { return window().control(gbk("编辑框3")).text() == "abc"; }));

    click_at(centre_of("单选框3"));
    EXPECT_TRUE(wait_until([this] { return window().control(gbk("单选框3")).checked(); }));
    EXPECT_FALSE(window().control(gbk("单选框1")).checked());

    click_at(centre_of("按钮1"));
    EXPECT_TRUE(wait_until([&] { return button_clicks == 1; }));

    // The link's own text, at the left of its box: the handler decides what opens.
    click_at(
        on_ui([this] { return widget("全区广告位1号")->GetScreenPosition() + wxPoint(8, 8); }));
    EXPECT_TRUE(wait_until([&] { return link_clicks == 1; }));

    ASSERT_TRUE(wait_until(
        [this] { return dynamic_cast<wxListCtrl*>(widget("超级列表框3"))->GetItemCount() == 20; }));
    click_at(row_of("超级列表框3", 3), 3);
    EXPECT_TRUE(wait_until([&] { return row_at_right_click == 3; }));
  });
}

TEST_F(MainWindowGui, AModalWindowFromAWorkerShowsItsModelAndReturnsWhenClosed) {
  start_with_notice();
  auto modal = std::make_shared<ui::Window>(ui::gbk_window_layout(
      {.name = "TestWindow",
       .title = "影片介绍",
       .place = {100, 100, 400, 300},
       .controls = {
           {.kind = ui::ControlKind::Label, .name = "标签1", .place = {8, 8, 200, 24}},
           {.kind = ui::ControlKind::ListView,
            .name = "列表",
            .place = {8, 40, 200, 100},
            .columns = {{"名字", 100}}},
           {.kind = ui::ControlKind::PictureBox, .name = "图片框1", .place = {220, 8, 160, 200}},
       }}));
  std::atomic<bool> created_before_shown{false}, returned{false};
  modal->on("", ui::Event::Created, [&] {
    created_before_shown = backend.wx_desktop().top_dialog() == nullptr;
    modal->control(gbk("标签1")).set_text(gbk("介绍"));
    modal->list(gbk("列表")).append_row({gbk("甲")});
  });
  run([&] {
    app->start_thread([&](App& a) {
      a.desktop().show_modal(modal);
      returned = true;
    });
    ASSERT_TRUE(wait_until([this] { return backend.wx_desktop().top_dialog() != nullptr; }));
    // A later worker write, like a poster arriving, still reaches the open window.
    auto image = std::make_shared<ui::Image>(ui::Image{2, 2, std::vector<std::uint8_t>(12, 200)});
    modal->picture_box(gbk("图片框1")).set_picture(image);
    EXPECT_TRUE(wait_until([&] {
      WindowView* view = backend.wx_desktop().view_of(*modal);
      return dynamic_cast<PictureView*>(view->widget(gbk("图片框1")))->has_picture();
    }));
    // Where the X server shows it: wx's own idea of a window's place can differ from GTK's.
    x11::XClient x(std::getenv("DISPLAY"));
    const x11::WindowPlace place = x.place(x.wait_for_window("影片介绍", 10s));
    EXPECT_EQ(place.left, 100);
    EXPECT_EQ(place.top, 100);
    EXPECT_EQ(place.width, 400);
    EXPECT_EQ(place.height, 300);
    on_ui([&] {
      WindowView* view = backend.wx_desktop().view_of(*modal);
      EXPECT_EQ(view->top()->GetTitle(), utf8("影片介绍"));
      EXPECT_EQ(dynamic_cast<wxStaticText*>(view->widget(gbk("标签1")))->GetLabel(), utf8("介绍"));
      EXPECT_EQ(dynamic_cast<wxListCtrl*>(view->widget(gbk("列表")))->GetItemText(0, 0),
                utf8("甲"));
      EXPECT_FALSE(returned);
      view->top()->Close();
    });
    EXPECT_TRUE(wait_until([&] { return returned.load(); }));
  });
  EXPECT_TRUE(created_before_shown);
  EXPECT_TRUE(modal->closed());
}

TEST_F(MainWindowGui, PopupMenuAndClipboardServeAWorker) {
  start_with_notice();
  std::atomic<int> chosen{-2};
  run([&] {
    app->start_thread([&](App& a) {
      a.desktop().set_clipboard(gbk("复制的链接"));
      chosen = a.desktop().popup_menu(a.main_window(), gbk("菜单"));
    });
    EXPECT_TRUE(wait_until([] {
      wxTextDataObject data;
      if (!wxTheClipboard->Open()) return false;
      const bool got = wxTheClipboard->GetData(data);
      wxTheClipboard->Close();
      return got && data.GetText() == utf8("复制的链接");
    }));
    // The menu opens at the mouse; the keyboard walks to its second item, "打开资源".
    std::this_thread::sleep_for(500ms);
    xdotool("key --delay 100 Down Down Return");
    EXPECT_TRUE(wait_until([&] { return chosen != -2; }));
  });
  EXPECT_EQ(chosen.load(), 1);
}

}  // namespace
}  // namespace vexlune::wx::testing
