#pragma once
// The wxWidgets (GTK 3) backend: draws the window models in real windows and runs the event
// loop on the thread that calls it.

#include <memory>
#include <string>
#include <vector>

#include <wx/evtloop.h>
#include <wx/frame.h>

#include "app/backend.h"
#include "platform/wx/desktop.h"
#include "platform/wx/window_view.h"

namespace vexlune::wx {

class WxBackend : public Backend {
 public:
  WxBackend(int argc, char** argv, ViewOptions options = {});
  ~WxBackend() override;

  bool init_toolkit() override;
  std::shared_ptr<ui::Desktop> desktop() override { return desktop_; }
  void create_window(App& app, ui::Window& window) override;
  void run_event_loop(App& app) override;

  WxDesktop& wx_desktop() const { return *desktop_; }
  // The start window's widgets while it is shown; nullptr before and after.
  WindowView* main_view() const { return main_view_.get(); }
  wxFrame* main_frame() const { return frame_; }

 private:
  void on_close();

  std::vector<std::string> arguments_;
  ViewOptions options_;
  std::shared_ptr<WxDesktop> desktop_;
  wxFrame* frame_ = nullptr;
  std::unique_ptr<WindowView> main_view_;
  wxEventLoopBase* loop_ = nullptr;
  bool closing_ = false;
};

// Starts wx on this thread once per process (later calls report the first outcome); false when
// there is no display. Chinese text needs no locale: every display string is built from UTF-8.
bool start_wx(int argc, char** argv);

}  // namespace vexlune::wx
