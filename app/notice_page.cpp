#include "app/notice_page.h"

#include "app/app.h"
#include "app/web_url.h"
#include "net/fetch.h"
#include "text/codepage.h"
#include "text/markers.h"
#include "text/text.h"

namespace vexlune {
namespace {

std::string gbk(std::string_view utf8) {
  return utf8_to_gbk(utf8);
}

// A value runs from its label to the next "</P>", in any case.
std::string value_of(std::string_view page, std::string_view utf8_label) {
  return text_between(page, gbk(utf8_label), "</P>");
}

// Slot values sit inside a styled tag: the wanted part follows `px;">` up to the next tag.
std::string unwrapped(std::string_view value) {
  return text_between(value, "px;\">", "<");
}

}  // namespace

NoticePage parse_notice_page(std::string_view page) {
  NoticePage notice;
  notice.version = to_int(value_of(page, "版本号="));
  notice.update_message = value_of(page, "更新内容=");
  notice.status_text = value_of(page, "状态条=");
  notice.website = value_of(page, "官方网站=");
  for (int slot = 1; slot <= AD_SLOTS; ++slot) {
    const std::string k = std::to_string(slot);
    notice.slot_links[slot - 1] = unwrapped(value_of(page, "广告位" + k + "="));
    notice.slot_texts[slot - 1] = unwrapped(value_of(page, "广告位文字" + k + "="));
  }
  return notice;
}

std::string fetch_notice_page(App& app, std::chrono::milliseconds limit) {
  const Endpoints& at = app.endpoints();
  // Bounded so that whatever the network does, the window is usable within `limit`.
  return utf8_to_gbk(fetch_url(at.blog_url + "/s/blog_" + at.notice_post + ".html", limit));
}

void apply_notice_page(App& app, const NoticePage& notice) {
  ui::Window& window = app.main_window();
  window.status_bar(gbk("状态条1")).set_part_text(5, notice.status_text);
  for (int slot = 1; slot <= AD_SLOTS; ++slot) {
    ui::Control& link = window.control(gbk("全区广告位" + std::to_string(slot) + "号"));
    link.set_link_target(notice.slot_links[slot - 1]);
    link.set_text(notice.slot_texts[slot - 1]);
  }
  if (app.state.notice_version_base.load() >= notice.version) return;
  const std::string prompt =
      concat(notice.update_message, gbk("\r\n\r\n      官方网站："), notice.website);
  if (app.desktop().message_box(prompt, ui::MB_YES_NO, gbk("更新提示")) == ui::ANSWER_YES)
    open_web_url(app.desktop(), notice.website);
}

void read_notice_page(App& app, std::chrono::milliseconds limit) {
  apply_notice_page(app, parse_notice_page(fetch_notice_page(app, limit)));
}

}  // namespace vexlune
