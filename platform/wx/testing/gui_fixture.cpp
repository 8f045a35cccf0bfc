#include "platform/wx/testing/gui_fixture.h"

#include <clocale>
#include <cstdlib>
#include <thread>

#include <wx/listctrl.h>
#include <wx/notebook.h>

#include "net/init.h"
#include "platform/wx/display_text.h"
#include "platform/wx/testing/xvfb.h"
#include "text/codepage.h"

namespace vexlune::wx::testing {
namespace {

// One X server and one wx application serve every test of the process.
class Session : public ::testing::Environment {
 public:
  void SetUp() override {
    std::setlocale(LC_ALL, "C.UTF-8");
    init_http_client();
    xvfb_ = std::make_unique<Xvfb>();
    if (xvfb_->display().empty()) return;
    use_display(xvfb_->display());
    static char name[] = "vexlune-gui-test";
    static char* argv[] = {name, nullptr};
    ready_ = start_wx(1, argv);
  }
  static bool ready() { return ready_; }

 private:
  std::unique_ptr<Xvfb> xvfb_;
  static inline bool ready_ = false;
};

[[maybe_unused]] ::testing::Environment* const session =
    ::testing::AddGlobalTestEnvironment(new Session);

}  // namespace

std::string gbk(std::string_view utf8) {
  return utf8_to_gbk(utf8);
}

wxString utf8(std::string_view text) {
  return wxString::FromUTF8(text.data(), text.size());
}

void GuiTest::SetUp() {
  if (!Session::ready()) GTEST_SKIP() << "no X server (Xvfb) could be started";
}

void GuiTest::TearDown() {
  // Workers of a test may still be finishing; they hold the App and write only models.
  if (app) app->wait_for_workers(10000);
}

void GuiTest::start(const Endpoints& endpoints, const FeatureInstaller& install) {
  app = start_app(backend, endpoints, install);
  ASSERT_TRUE(app);
}

void GuiTest::run(const std::function<void()>& script) {
  std::thread driver([this, script] {
    script();
    close_main_window();
  });
  backend.run_event_loop(*app);
  driver.join();
  wxTheApp->ProcessPendingEvents();  // the driver's last posts, while this test still exists
  app->run_exit_routine();
}

bool GuiTest::wait_until(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (on_ui(condition)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

void GuiTest::close_main_window() {
  // Closing twice is harmless: a closed window's close handler has nothing left to do.
  wxTheApp->CallAfter([this] {
    if (wxFrame* frame = backend.main_frame()) frame->Close();
  });
}

void GuiTest::xdotool(const std::string& arguments) {
  ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
}

void GuiTest::click_at(wxPoint screen, int button) {
  xdotool("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) + " click " +
          std::to_string(button));
}

wxPoint GuiTest::tab_header(int page) {
  return on_ui([this, page] {
    auto* tabs = dynamic_cast<wxNotebook*>(widget("选择夹1"));
    // GTK gives a tab control no window of its own: its screen place is its parent's plus its
    // position there.
    const wxPoint origin = tabs->GetParent()->GetScreenPosition() + tabs->GetPosition();
    for (int x = 0; x < tabs->GetSize().x; x += 4) {
      if (tabs->HitTest(wxPoint(x, 10)) == page) return origin + wxPoint(x + 8, 10);
    }
    ADD_FAILURE() << "no header for page " << page;
    return origin;
  });
}

wxPoint GuiTest::centre_of(std::string_view utf8_name) {
  return on_ui([this, utf8_name] {
    wxWindow* w = widget(utf8_name);
    return w->GetScreenPosition() + wxPoint(w->GetSize().x / 2, w->GetSize().y / 2);
  });
}

wxPoint GuiTest::row_of(std::string_view utf8_name, int row) {
  return on_ui([this, utf8_name, row] {
    auto* list = dynamic_cast<wxListCtrl*>(widget(utf8_name));
    wxRect rect;
    list->GetItemRect(row, rect);
    return list->ClientToScreen(rect.GetPosition()) + wxPoint(20, rect.height / 2);
  });
}

wxWindow* GuiTest::widget(std::string_view utf8_name) const {
  WindowView* view = backend.main_view();
  return view ? view->widget(gbk(utf8_name)) : nullptr;
}

}  // namespace vexlune::wx::testing
