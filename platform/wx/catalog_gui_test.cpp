// The catalog on real widgets: a loopback catalog server, the list view filled through the
// tab click, and a row's introduction opened from its popup menu with the poster drawn.

#include <atomic>
#include <string>
#include <thread>

#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>

#include "app/main_window_layout.h"
#include "catalog/install.h"
#include "platform/wx/picture_view.h"
#include "platform/wx/testing/gui_fixture.h"
#include "testing/loopback_server.h"
#include "text/codepage.h"

namespace vexlune::wx::testing {
namespace {

using namespace std::chrono_literals;
using vexlune::testing::LoopbackServer;
using vexlune::testing::Request;
using vexlune::testing::Response;

// A 40 x 60 red JPEG.
const std::string POSTER(
    "\xff\xd8\xff\xe0\x00\x10\x4a\x46\x49\x46\x00\x01\x01\x00\x00\x01"
    "\x00\x01\x00\x00\xff\xdb\x00\x43\x00\x03\x02\x02\x03\x02\x02\x03"
    "\x03\x03\x03\x04\x03\x03\x04\x05\x08\x05\x05\x04\x04\x05\x0a\x07"
    "\x07\x06\x08\x0c\x0a\x0c\x0c\x0b\x0a\x0b\x0b\x0d\x0e\x12\x10\x0d"
    "\x0e\x11\x0e\x0b\x0b\x10\x16\x10\x11\x13\x14\x15\x15\x15\x0c\x0f"
    "\x17\x18\x16\x14\x18\x12\x14\x15\x14\xff\xdb\x00\x43\x01\x03\x04"
    "\x04\x05\x04\x05\x09\x05\x05\x09\x14\x0d\x0b\x0d\x14\x14\x14\x14"
    "\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14"
    "\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14"
    "\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\x14\xff\xc0"
    "\x00\x11\x08\x00\x3c\x00\x28\x03\x01\x11\x00\x02\x11\x01\x03\x11"
    "\x01\xff\xc4\x00\x15\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x07\xff\xc4\x00\x14\x10\x01\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\xc4"
    "\x00\x16\x01\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x07\x08\xff\xc4\x00\x14\x11\x01\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\xda\x00\x0c"
    "\x03\x01\x00\x02\x11\x03\x11\x00\x3f\x00\x86\x25\xed\xd6\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x3f\xff\xd9",
    318);

std::string movie(int i, const std::string& poster_url) {
  const std::string n = std::to_string(i);
  return utf8_to_gbk("电影名字：影片" + n + "|影片资源：http://pan.baidu.com/s/" + n +
                     "|类型：动作|是否高清：高清|影片介绍：第" + n + "部的介绍|||||海报：" +
                     poster_url + "|||||\r\n");
}

// Every window under `top`, depth first.
template <typename T>
T* find_child(wxWindow* top) {
  for (wxWindow* child : top->GetChildren()) {
    if (auto* found = dynamic_cast<T*>(child)) return found;
    if (auto* found = find_child<T>(child)) return found;
  }
  return nullptr;
}

class CatalogGui : public GuiTest {};

TEST_F(CatalogGui, RowsFromTheServerAndAnIntroductionWithItsPoster) {
  static constexpr int MOVIES = 30;
  LoopbackServer maker([](const Request& request) {
    if (request.target == "/baiduyun/yun1.txt") {
      std::string file;
      for (int i = 0; i < MOVIES; ++i)
        file += movie(i, "http://" + request.header("Host") + "/p.jpg");
      return Response{.body = file};
    }
    if (request.target == "/p.jpg") return Response{.body = POSTER};
    return Response{.status = 404};
  });
  LoopbackServer blog([](const Request&) { return Response{.body = "<P>版本号=3</P>"}; });
  start({.maker_url = maker.url(),
         .blog_url = blog.url(),
         .notice_post = "test",
         .search_url = "http://127.0.0.1:9"},
        install_catalog);
  run([&] {
    click_at(tab_header(PAGE_BAIDU));  // the tab click starts the loader
    ASSERT_TRUE(wait_until([this] {
      return dynamic_cast<wxListCtrl*>(widget("超级列表框1"))->GetItemCount() == MOVIES;
    }));
    EXPECT_TRUE(wait_until(
        [this] { return widget("标签8")->GetLabel().StartsWith(utf8("加载完成  共耗时：[ ")); }));
    on_ui([this] {
      auto* list = dynamic_cast<wxListCtrl*>(widget("超级列表框1"));
      EXPECT_EQ(list->GetItemText(2, 0), utf8("影片2"));
      EXPECT_EQ(list->GetItemText(2, 2), utf8("动作"));
    });
    click_at(row_of("超级列表框1", 2), 3);  // the popup menu "菜单" opens at the mouse
    std::this_thread::sleep_for(500ms);
    xdotool("key --delay 100 Down Return");  // its first item, "影片介绍"
    ASSERT_TRUE(wait_until([this] { return backend.wx_desktop().top_dialog() != nullptr; }));
    EXPECT_TRUE(wait_until([this] {
      auto* picture = find_child<PictureView>(backend.wx_desktop().top_dialog());
      return picture && picture->picture_size() == wxSize(40, 60);
    })) << "the poster never replaced the default picture";
    on_ui([this] {
      wxDialog* intro = backend.wx_desktop().top_dialog();
      EXPECT_TRUE(intro->GetTitle().StartsWith(utf8("影片2")));
      const wxImage poster = find_child<PictureView>(intro)->picture();
      EXPECT_GT(poster.GetRed(20, 30), 180);  // red, decoded from the server's bytes
      EXPECT_LT(poster.GetGreen(20, 30), 80);
      intro->Close();
    });
    EXPECT_TRUE(wait_until([this] { return backend.wx_desktop().top_dialog() == nullptr; }));
  });
}

}  // namespace
}  // namespace vexlune::wx::testing
