#include "platform/wx/desktop.h"

#include <algorithm>
#include <string>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/utils.h>

#include <wx/msgdlg.h>

#include <wx/generic/msgdlgg.h>  // needs the block above

#include "platform/wx/display_text.h"

namespace vexlune::wx {
namespace {

// Windows message-box flags: the low four bits pick the buttons, the next four the icon.
constexpr int MB_TYPE_MASK = 0x0F;
constexpr int MB_OKCANCEL = 1;
constexpr int MB_YESNOCANCEL = 3;
constexpr int MB_ICON_MASK = 0xF0;
constexpr int MB_ICONHAND = 0x10;
constexpr int MB_ICONQUESTION = 0x20;
constexpr int MB_ICONEXCLAMATION = 0x30;
constexpr int MB_ICONASTERISK = 0x40;
constexpr int ANSWER_CANCEL = 1;

// What a box answers when it goes away without a button press.
int closed_answer(int flags) {
  const int type = flags & MB_TYPE_MASK;
  if (type == ui::MB_YES_NO) return ui::ANSWER_NO;
  if (type == MB_OKCANCEL || type == MB_YESNOCANCEL) return ANSWER_CANCEL;
  return ui::ANSWER_OK;
}

long dialog_style(int flags) {
  long style = wxCENTRE | wxDIALOG_NO_PARENT;  // owned by no window, like the boxes it stands for
  switch (flags & MB_TYPE_MASK) {
    case MB_OKCANCEL:
      style |= wxOK | wxCANCEL;
      break;
    case ui::MB_YES_NO:
      style |= wxYES_NO;
      break;
    case MB_YESNOCANCEL:
      style |= wxYES_NO | wxCANCEL;
      break;
    default:
      style |= wxOK;
      break;
  }
  switch (flags & MB_ICON_MASK) {
    case MB_ICONHAND:
      return style | wxICON_ERROR;
    case MB_ICONQUESTION:
      return style | wxICON_QUESTION;
    case MB_ICONEXCLAMATION:
      return style | wxICON_WARNING;
    case MB_ICONASTERISK:
      return style | wxICON_INFORMATION;
    default:
      return style;  // the generic box draws no icon when none is asked for
  }
}

// Keeps a dialog on the desktop's list while it is shown, so that stop() can end it.
class ShownDialog {
 public:
  ShownDialog(std::vector<wxDialog*>& dialogs, wxDialog* dialog)
      : dialogs_(dialogs), dialog_(dialog) {
    dialogs_.push_back(dialog_);
  }
  ~ShownDialog() { std::erase(dialogs_, dialog_); }
  ShownDialog(const ShownDialog&) = delete;
  ShownDialog& operator=(const ShownDialog&) = delete;

 private:
  std::vector<wxDialog*>& dialogs_;
  wxDialog* dialog_;
};

}  // namespace

int WxDesktop::on_ui(std::function<int()> job, int closed) {
  if (wxIsMainThread()) return stopped() ? closed : job();
  struct Call {
    bool done = false;
    int result = 0;
  };
  auto call = std::make_shared<Call>();
  std::unique_lock lock(mutex_);
  if (stopped_) return closed;
  // While not stopped the wx application runs: stop() is called on the UI thread before the
  // event loop ends, and it waits for this post to be queued.
  wxTheApp->CallAfter([self = shared_from_this(), call, job = std::move(job), closed] {
    const int result = self->stopped() ? closed : job();
    std::lock_guard done_lock(self->mutex_);
    call->result = result;
    call->done = true;
    self->done_.notify_all();
  });
  done_.wait(lock, [&] { return call->done || stopped_; });
  return call->done ? call->result : closed;
}

void WxDesktop::stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  done_.notify_all();
  if (wxIsMainThread()) {
    for (wxDialog* dialog : std::vector<wxDialog*>(dialogs_)) {
      if (dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
    }
  }
}

bool WxDesktop::stopped() const {
  std::lock_guard lock(mutex_);
  return stopped_;
}

wxDialog* WxDesktop::top_dialog() const {
  return dialogs_.empty() ? nullptr : dialogs_.back();
}

void WxDesktop::add_view(WindowView* view) {
  views_.push_back(view);
}

void WxDesktop::remove_view(WindowView* view) {
  std::erase(views_, view);
}

WindowView* WxDesktop::view_of(const ui::Window& window) const {
  for (WindowView* view : views_) {
    if (&view->model() == &window) return view;
  }
  return nullptr;
}

int WxDesktop::message_box(std::string_view text, int flags, std::string_view title) {
  return on_ui([this, text = std::string(text), flags,
                title = std::string(title)] { return show_message_box(text, flags, title); },
               closed_answer(flags));
}

int WxDesktop::show_message_box(std::string_view text, int flags, std::string_view title) {
  // Task-modal with no owner, as the boxes of the program are: every window waits for it.
  wxGenericMessageDialog box(nullptr, to_wx(text), to_wx(title), dialog_style(flags));
  const wxString yes = wxString::FromUTF8("是"), no = wxString::FromUTF8("否");
  const wxString ok = wxString::FromUTF8("确定"), cancel = wxString::FromUTF8("取消");
  switch (flags & MB_TYPE_MASK) {
    case MB_OKCANCEL:
      box.SetOKCancelLabels(ok, cancel);
      break;
    case ui::MB_YES_NO:
      box.SetYesNoLabels(yes, no);
      break;
    case MB_YESNOCANCEL:
      box.SetYesNoCancelLabels(yes, no, cancel);
      break;
    default:
      box.SetOKLabel(ok);
      break;
  }
  ShownDialog shown(dialogs_, &box);
  switch (box.ShowModal()) {
    case wxID_YES:
      return ui::ANSWER_YES;
    case wxID_NO:
      return ui::ANSWER_NO;
    case wxID_OK:
      return ui::ANSWER_OK;
    default:
      return closed_answer(flags);
  }
}

void WxDesktop::show_modal(const std::shared_ptr<ui::Window>& window) {
  on_ui(
      [this, window] {
        show_window(window);
        return 0;
      },
      0);
  window->mark_closed();
}

void WxDesktop::show_window(const std::shared_ptr<ui::Window>& window) {
  const ui::Rect place = window->place();
  auto* dialog =
      new wxDialog(nullptr, wxID_ANY, to_wx(window->title()), wxPoint(place.left, place.top),
                   wxSize(place.width, place.height), wxDEFAULT_DIALOG_STYLE | wxDIALOG_NO_PARENT);
  auto view = std::make_unique<WindowView>(window, dialog, options_);
  add_view(view.get());
  window->raise("", ui::Event::Created);
  view->sync_all();
  {
    ShownDialog shown(dialogs_, dialog);
    // GTK centres a dialog when it maps it; the layout's place is set again once it shows.
    dialog->Bind(wxEVT_SHOW, [dialog, place](wxShowEvent& event) {
      event.Skip();
      if (!event.IsShown()) return;
      // wx skips a move to where it thinks the window already is; the first step makes it move.
      dialog->Move(place.left + 1, place.top);
      dialog->Move(place.left, place.top);
    });
    if (!stopped()) dialog->ShowModal();
  }
  remove_view(view.get());
  WindowView::retire(std::move(view));
  window->mark_closed();
  dialog->Destroy();
}

int WxDesktop::popup_menu(ui::Window& window, std::string_view menu) {
  // The job holds only the window's address: it finds the model again through the shown view,
  // which owns it, so a caller that stopped waiting leaves nothing dangling behind.
  return on_ui([this, key = &window, menu = std::string(menu)] { return show_popup(key, menu); },
               -1);
}

int WxDesktop::show_popup(const ui::Window* window, std::string_view menu_name) {
  WindowView* view = nullptr;
  for (WindowView* shown : views_) {
    if (&shown->model() == window) view = shown;
  }
  if (!view) return -1;
  const ui::Control& menu = view->model().control(menu_name);
  wxMenu popup;
  for (const std::string& item : menu.layout().items)
    popup.Append(wxID_ANY, to_wx(item));
  const int chosen = view->top()->GetPopupMenuSelectionFromUser(popup);
  if (chosen == wxID_NONE) return -1;
  size_t position = 0;
  return popup.FindChildItem(chosen, &position) ? static_cast<int>(position) : -1;
}

void WxDesktop::set_clipboard(std::string_view text) {
  on_ui(
      [text = std::string(text)] {
        if (wxTheClipboard->Open()) {
          wxTheClipboard->SetData(new wxTextDataObject(to_wx(text)));
          wxTheClipboard->Close();
        }
        return 0;
      },
      0);
}

void WxDesktop::open_url(std::string_view url) {
  on_ui(
      [url = std::string(url)] {
        wxLogNull quiet;  // no browser installed must not pop up an error box
        wxLaunchDefaultBrowser(to_wx(url));
        return 0;
      },
      0);
}

}  // namespace vexlune::wx
