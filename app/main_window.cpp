#include "app/main_window.h"

#include <memory>
#include <string>

#include "app/app.h"
#include "app/main_window_layout.h"
#include "app/notice_page.h"
#include "app/web_url.h"
#include "skin/skin.h"
#include "text/codepage.h"
#include "text/text.h"

namespace vexlune {
namespace {

std::string gbk(std::string_view utf8) {
  return utf8_to_gbk(utf8);
}

std::string ad_slot_name(int slot) {
  return gbk("全区广告位" + std::to_string(slot) + "号");
}

// Binds `handler` so that it runs only while the App is alive.
ui::Window::Handler weakly(App& app, void (*handler)(App&)) {
  return [weak = app.weak_from_this(), handler] {
    if (auto app = weak.lock()) handler(*app);
  };
}

}  // namespace

void bind_main_window(App& app) {
  ui::Window& window = app.main_window();
  window.on("", ui::Event::Created, weakly(app, main_window_created));
  window.on(gbk("选择夹1"), ui::Event::Click, weakly(app, tab_clicked));
  window.on(gbk("时钟1"), ui::Event::Tick, weakly(app, timer_ticked));
  for (int slot = 1; slot <= 12; ++slot) {
    std::string name = ad_slot_name(slot);
    window.on(name, ui::Event::Click, [weak = app.weak_from_this(), name] {
      if (auto app = weak.lock())
        open_web_url(app->desktop(), app->main_window().control(name).link_target());
    });
  }
}

void main_window_created(App& app) {
  ui::Window& window = app.main_window();
  attach_skin(app.state, SKIN_FILE, "", 180, 0, 0);
  app.state.notice_version_base = 3;
  window.control(gbk("选择夹1")).set_current_page(PAGE_REQUEST);
  for (const char* menu : {"菜单", "搜索菜单", "群共享菜单"})
    window.control(gbk(menu)).set_visible(false);
  app.state.load_idle = 1;
  read_notice_page(app);
}

void tab_clicked(App& app) {
  ui::Window& window = app.main_window();
  const int page = window.control(gbk("选择夹1")).current_page();
  if (page == PAGE_BOARD) {
    if (window.list(gbk("群共享列表框")).row_count() == 0 && app.loaders.board)
      app.start_thread(app.loaders.board);
    return;
  }
  if (page != PAGE_BAIDU && page != PAGE_360) return;
  if (window.list(gbk(page == PAGE_BAIDU ? "超级列表框1" : "超级列表框2")).row_count() > 0) return;
  // Claimed here rather than only when the worker begins, so that a second tab click before
  // the new worker has run cannot start a second catalog load.
  std::int32_t idle = 1;
  if (!app.state.load_idle.compare_exchange_strong(idle, 0)) {
    app.desktop().message_box(gbk("您还有资源没有加载完成,请等资源加载完成在尝试!"),
                              ui::MB_OK_INFORMATION, gbk("提示"));
    return;
  }
  if (const auto& loader = app.loaders.catalog[page])
    app.start_thread(loader);
  else
    app.state.load_idle = 1;
}

void timer_ticked(App& app) {
  const std::int32_t ticks = app.state.elapsed_ticks.fetch_add(1) + 1;
  ui::Window& window = app.main_window();
  const int page = window.control(gbk("选择夹1")).current_page();
  const char* label = page == PAGE_BOARD   ? "标签7"
                      : page == PAGE_BAIDU ? "标签8"
                      : page == PAGE_360   ? "标签9"
                                           : nullptr;
  if (!label) return;
  const char* what = page == PAGE_BOARD ? "正在加载群数据" : "正在加载电影资源";
  window.control(gbk(label))
      .set_text(concat(gbk(what), gbk("  耗时  [ "), to_text(ticks), gbk(" ] 毫秒")));
}

}  // namespace vexlune
