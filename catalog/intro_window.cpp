#include "catalog/intro_window.h"

#include "app/app.h"
#include "app/ui/gbk_layout.h"
#include "catalog/catalog.h"
#include "net/fetch.h"
#include "platform/jpeg/default_poster.h"
#include "platform/jpeg/jpeg_decode.h"
#include "text/text.h"

namespace vexlune {

using ui::ControlKind;

// Stretches the picture over the whole box, ignoring its proportions.
constexpr int DISPLAY_STRETCH = 1;

ui::WindowLayout intro_window_layout(const std::string& maker_url) {
  std::vector<ui::ControlLayout> c;
  c.push_back({.kind = ControlKind::GroupBox, .name = "分组框1", .place = {8, 0, 140, 160}});
  c.push_back({.kind = ControlKind::PictureBox,
               .name = "图片框1",
               .place = {6, 10, 128, 144},
               .parent = "分组框1"});
  c.push_back({.kind = ControlKind::GroupBox, .name = "分组框2", .place = {152, 0, 336, 160}});
  c.push_back({.kind = ControlKind::EditBox,
               .name = "编辑框1",
               .place = {8, 10, 320, 142},
               .parent = "分组框2"});
  c.push_back(
      {.kind = ControlKind::StatusBar,
       .name = "状态条1",
       .columns = {{"Vexlune资源器：", 85}, {"v3.0", 30}, {"官方网站：", 70}, {maker_url, 500}}});
  return {.name = "IntroWindow",
          .title = "影片介绍",
          .place = {50, 50, 495, 212},
          .controls = std::move(c)};
}

std::shared_ptr<ui::Window> make_intro_window(App& app) {
  auto window = std::make_shared<ui::Window>(
      ui::gbk_window_layout(intro_window_layout(app.endpoints().maker_url)));
  window->picture_box(gbk("图片框1")).set_picture(default_poster());
  std::weak_ptr<ui::Window> weak = window;  // a strong handle here would keep it alive forever
  window->on("", ui::Event::Created, [&app, weak] {
    if (auto self = weak.lock()) show_intro(app, self);
  });
  return window;
}

void show_intro(App& app, const std::shared_ptr<ui::Window>& window) {
  window->set_title(concat(app.state.selected_name, gbk("  - 影片介绍 ")));
  window->control(gbk("编辑框1")).set_text(app.state.selected_intro);
  window->picture_box(gbk("图片框1")).set_display_mode(DISPLAY_STRETCH);
  std::weak_ptr<ui::Window> weak = window;
  app.start_thread([weak, url = app.state.selected_poster_url](App&) { load_poster(weak, url); });
}

void load_poster(const std::weak_ptr<ui::Window>& window, const std::string& poster_url) {
  ui::ImagePtr poster = decode_jpeg(fetch_url(poster_url));
  auto target = window.lock();
  if (!target || target->closed()) return;
  target->picture_box(gbk("图片框1")).set_picture(std::move(poster));
}

void open_intro_window(App& app) {
  app.desktop().show_modal(make_intro_window(app));
}

}  // namespace vexlune
