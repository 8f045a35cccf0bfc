#include "app/main_window_layout.h"

#include <string>

// GCC 12 at -O3 mistakes the destruction of designated-initializer temporaries, which these
// tables are made of, for reads of uninitialised strings.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace vexlune {
namespace {

using ui::Column;
using ui::ControlKind;
using ui::ControlLayout;
using ui::Font;

const Font BOLD_14{"宋体", 14, true};
const Font BOLD_12{"宋体", 12, true};

// The site name shown in the status bar: the maker's host without scheme and port.
std::string site_name(const std::string& maker_url) {
  std::string host = maker_url;
  if (auto scheme = host.find("://"); scheme != std::string::npos) host.erase(0, scheme + 3);
  host = host.substr(0, host.find_first_of(":/"));
  return host;
}

void add_catalog_page(std::vector<ControlLayout>& controls, int page, const std::string& edit,
                      const std::string& button, const std::string& list,
                      const std::string& label) {
  controls.push_back({.kind = ControlKind::EditBox,
                      .name = edit,
                      .place = {8, 32, 544, 24},
                      .page = page,
                      .parent = "选择夹1"});
  controls.push_back({.kind = ControlKind::Button,
                      .name = button,
                      .place = {568, 28, 104, 31},
                      .text = "搜索",
                      .page = page,
                      .parent = "选择夹1"});
  controls.push_back({.kind = ControlKind::ListView,
                      .name = list,
                      .place = {8, 64, 672, 320},
                      .page = page,
                      .parent = "选择夹1",
                      .columns = catalog_columns()});
  controls.push_back({.kind = ControlKind::Label,
                      .name = label,
                      .place = {40, 392, 608, 24},
                      .page = page,
                      .parent = "选择夹1",
                      .font = BOLD_14});
}

}  // namespace

std::vector<Column> catalog_columns() {
  return {{"电影名字", 180}, {"资源链接", 200}, {"类型", 160},
          {"是否高清", 100}, {"海报", 0},       {"影片介绍", 0}};
}

ui::WindowLayout main_window_layout(const std::string& maker_url) {
  std::vector<ControlLayout> c;
  const std::string tab = "选择夹1";
  c.push_back({.kind = ControlKind::TabControl,
               .name = tab,
               .place = {0, 8, 688, 432},
               .items = {"百度云", "360云盘", "网盘搜索", "百度云群共享", "求片通道"}});
  c.push_back({.kind = ControlKind::GroupBox, .name = "分组框2", .place = {696, 16, 216, 424}});
  for (int n = 1; n <= 12; ++n) {
    c.push_back({.kind = ControlKind::HyperLink,
                 .name = "全区广告位" + std::to_string(n) + "号",
                 .place = {16, 24 + 32 * (n - 1), 184, 24},
                 .text = "[广告位招租]",
                 .parent = "分组框2"});
  }
  c.push_back({.kind = ControlKind::StatusBar,
               .name = "状态条1",
               .columns = {{"Vexlune资源器：", 85},
                           {"v3.0", 30},
                           {"官方网站：", 70},
                           {site_name(maker_url), 130},
                           {"说明：", 50},
                           {"提供最新最全的电影资源就找Vexlune", 330}}});
  c.push_back({.kind = ControlKind::Timer, .name = "时钟1", .page = PAGE_BOARD, .parent = tab});

  add_catalog_page(c, PAGE_BAIDU, "编辑框1", "按钮3", "超级列表框1", "标签8");
  add_catalog_page(c, PAGE_360, "编辑框2", "按钮4", "超级列表框2", "标签9");

  auto on_page = [&](int page, ControlLayout layout) {
    layout.page = page;
    layout.parent = tab;
    c.push_back(std::move(layout));
  };
  on_page(PAGE_SEARCH, {.kind = ControlKind::Label,
                        .name = "标签2",
                        .place = {16, 32, 88, 24},
                        .text = "欲搜索的内容："});
  on_page(PAGE_SEARCH,
          {.kind = ControlKind::EditBox, .name = "编辑框3", .place = {104, 32, 176, 24}});
  on_page(PAGE_SEARCH, {.kind = ControlKind::RadioButton,
                        .name = "单选框1",
                        .place = {296, 32, 56, 24},
                        .text = "百度云",
                        .checked = true});
  on_page(PAGE_SEARCH, {.kind = ControlKind::RadioButton,
                        .name = "单选框2",
                        .place = {360, 32, 64, 24},
                        .text = "360云盘"});
  on_page(PAGE_SEARCH, {.kind = ControlKind::RadioButton,
                        .name = "单选框3",
                        .place = {432, 32, 56, 24},
                        .text = "千脑"});
  on_page(PAGE_SEARCH, {.kind = ControlKind::RadioButton,
                        .name = "单选框4",
                        .place = {488, 32, 56, 24},
                        .text = "旋风"});
  on_page(PAGE_SEARCH, {.kind = ControlKind::RadioButton,
                        .name = "单选框5",
                        .place = {544, 32, 56, 24},
                        .text = "新浪"});
  on_page(
      PAGE_SEARCH,
      {.kind = ControlKind::Button, .name = "按钮1", .place = {608, 26, 72, 32}, .text = "搜索"});
  on_page(PAGE_SEARCH, {.kind = ControlKind::ListView,
                        .name = "超级列表框3",
                        .place = {8, 64, 672, 328},
                        .columns = {{"序号", 50}, {"文件名", 300}, {"链接", 300}}});
  on_page(PAGE_SEARCH, {.kind = ControlKind::Label,
                        .name = "标签4",
                        .place = {8, 400, 240, 16},
                        .text = "采集搜索引擎数据,所有资源与Vexlune无关!"});
  on_page(
      PAGE_SEARCH,
      {.kind = ControlKind::Label, .name = "标签3", .place = {248, 400, 218, 16}, .font = BOLD_12});
  on_page(PAGE_SEARCH, {.kind = ControlKind::Button,
                        .name = "按钮6",
                        .place = {472, 395, 72, 25},
                        .text = "上一页"});
  on_page(PAGE_SEARCH, {.kind = ControlKind::EditBox,
                        .name = "编辑框5",
                        .place = {552, 398, 48, 20},
                        .text = "1",
                        .font = BOLD_12});
  on_page(PAGE_SEARCH, {.kind = ControlKind::Button,
                        .name = "按钮5",
                        .place = {608, 395, 72, 25},
                        .text = "下一页"});

  on_page(
      PAGE_BOARD,
      {.kind = ControlKind::ListView,
       .name = "群共享列表框",
       .place = {8, 32, 672, 256},
       .columns = {{"序号", 40}, {"发布时间", 200}, {"群名称", 150}, {"链接", 270}, {"介绍", 0}}});
  on_page(
      PAGE_BOARD,
      {.kind = ControlKind::Label, .name = "标签1", .place = {8, 296, 48, 24}, .text = "群名称："});
  on_page(PAGE_BOARD, {.kind = ControlKind::EditBox,
                       .name = "群分享名称编辑框",
                       .place = {64, 296, 176, 24},
                       .text = "Vexlune云盘资源器"});
  on_page(
      PAGE_BOARD,
      {.kind = ControlKind::Label, .name = "标签5", .place = {8, 336, 48, 24}, .text = "群地址："});
  on_page(PAGE_BOARD, {.kind = ControlKind::EditBox,
                       .name = "群分享地址编辑框",
                       .place = {64, 328, 176, 56},
                       .text = "http://pan.baidu.com/mbox/homepage?short=vexlune"});
  on_page(PAGE_BOARD, {.kind = ControlKind::Label,
                       .name = "标签6",
                       .place = {248, 296, 16, 72},
                       .text = "群    介    绍"});
  on_page(PAGE_BOARD, {.kind = ControlKind::EditBox,
                       .name = "群分享介绍编辑框",
                       .place = {272, 296, 184, 88},
                       .text = "介绍您的群里面是些什么内容,小伙伴看了才会一目了然!"});
  on_page(PAGE_BOARD, {.kind = ControlKind::Button,
                       .name = "Vexlune群分享按钮",
                       .place = {464, 296, 48, 88},
                       .text = "发布群"});
  on_page(PAGE_BOARD, {.kind = ControlKind::Button,
                       .name = "上一页按钮",
                       .place = {536, 296, 136, 24},
                       .text = "上一页",
                       .disabled = true});
  on_page(PAGE_BOARD, {.kind = ControlKind::Button,
                       .name = "下一页按钮",
                       .place = {536, 328, 136, 24},
                       .text = "下一页",
                       .disabled = true});
  on_page(PAGE_BOARD, {.kind = ControlKind::Button,
                       .name = "刷新数据",
                       .place = {536, 360, 136, 24},
                       .text = "刷新数据",
                       .disabled = true});
  on_page(
      PAGE_BOARD,
      {.kind = ControlKind::Label, .name = "标签7", .place = {40, 392, 608, 24}, .font = BOLD_14});

  on_page(PAGE_REQUEST,
          {.kind = ControlKind::GroupBox, .name = "分组框1", .place = {8, 24, 672, 384}});
  c.push_back({.kind = ControlKind::WebBrowser,
               .name = "超文本浏览框1",
               .place = {8, 16, 656, 360},
               .text = maker_url + "/uyan.html",
               .page = PAGE_REQUEST,
               .parent = "分组框1"});

  c.push_back(
      {.kind = ControlKind::Menu, .name = "菜单", .items = {"影片介绍", "打开资源", "复制地址"}});
  c.push_back(
      {.kind = ControlKind::Menu, .name = "搜索菜单", .items = {"复制选择链接", "打开资源链接"}});
  c.push_back({.kind = ControlKind::Menu,
               .name = "群共享菜单",
               .items = {"百度群介绍", "打开群地址", "复制群地址"}});

  return {.name = "MainWindow",
          .title = "Vexlune资源器[最新最全的电影资源] v 3.0",
          .place = {50, 50, 929, 501},
          .controls = std::move(c)};
}

}  // namespace vexlune
