#include "platform/wx/backend.h"

#include <cstdio>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include "app/app.h"
#include "platform/wx/display_text.h"

namespace vexlune::wx {
namespace {

// A failed wx check goes to stderr instead of a modal box that would hang a run with nobody
// at the screen.
void print_assert(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message) {
  std::fprintf(stderr, "wx assertion %s failed in %s (%s:%d): %s\n", condition.utf8_str().data(),
               function.utf8_str().data(), file.utf8_str().data(), line, message.utf8_str().data());
}

}  // namespace

bool start_wx(int argc, char** argv) {
  static const bool started = [argc, argv] {
    wxApp::SetInstance(new wxApp);
    int count = argc;
    if (!wxEntryStart(count, argv)) return false;
    wxTheApp->SetExitOnFrameDelete(false);
    wxSetAssertHandler(print_assert);
    delete wxLog::SetActiveTarget(new wxLogStderr);
    return true;
  }();
  return started;
}

WxBackend::WxBackend(int argc, char** argv, ViewOptions options)
    : options_(options), desktop_(std::make_shared<WxDesktop>(options)) {
  for (int i = 0; i < argc; ++i)
    arguments_.emplace_back(argv[i]);
}

WxBackend::~WxBackend() {
  desktop_->stop();
  if (main_view_) WindowView::retire(std::move(main_view_));  // a window never run
}

bool WxBackend::init_toolkit() {
  std::vector<char*> argv;
  for (std::string& argument : arguments_)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  return start_wx(static_cast<int>(arguments_.size()), argv.data());
}

void WxBackend::create_window(App& app, ui::Window& window) {
  std::shared_ptr<ui::Window> model =
      &window == &app.main_window() ? app.main_window_ptr()
                                    : std::shared_ptr<ui::Window>(app.shared_from_this(), &window);
  const ui::Rect place = model->place();
  frame_ = new wxFrame(nullptr, wxID_ANY, to_wx(model->title()), wxPoint(place.left, place.top),
                       wxSize(place.width, place.height));
  main_view_ = std::make_unique<WindowView>(model, frame_, options_);
  desktop_->add_view(main_view_.get());
  frame_->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { on_close(); });
}

void WxBackend::on_close() {
  if (closing_) return;
  closing_ = true;
  // Workers blocked on a dialog return now, and no later change reaches the widgets.
  desktop_->stop();
  desktop_->remove_view(main_view_.get());
  WindowView::retire(std::move(main_view_));
  frame_->Destroy();
  if (loop_) loop_->ScheduleExit();
}

void WxBackend::run_event_loop(App&) {
  if (!frame_) return;
  main_view_->sync_all();
  frame_->Show();
  if (!closing_) {
    wxGUIEventLoop loop;
    loop_ = &loop;
    loop.Run();
    loop_ = nullptr;
  }
  desktop_->stop();
  frame_ = nullptr;
  wxTheApp->ProcessPendingEvents();  // deletes the destroyed frame, and with it its view
}

}  // namespace vexlune::wx
