#include "platform/wx/window_view.h"

#include <map>

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/webview.h>

#include <wx/hyperlink.h>

#include <wx/generic/hyperlink.h>  // needs the block above

#include "platform/wx/compact.h"
#include "platform/wx/display_text.h"
#include "platform/wx/fonts.h"
#include "platform/wx/list_view.h"
#include "platform/wx/picture_view.h"

namespace vexlune::wx {
namespace {

using ui::ControlKind;

// A label this tall wraps its text over several lines (the vertical caption "群    介    绍").
constexpr int WRAPPING_LABEL_HEIGHT = 40;
// The layouts' status bars are 20 pixels high, docked at the bottom.
constexpr int STATUS_BAR_HEIGHT = 20;
// An edit box this tall takes several lines of text.
constexpr int MULTILINE_EDIT_HEIGHT = 40;

wxPoint point(const ui::Rect& rect) {
  return {rect.left, rect.top};
}
wxSize size(const ui::Rect& rect) {
  return {rect.width, rect.height};
}

// Breaks a label's text into lines no wider than `width`, as a Windows label does: between
// words and between any two Chinese characters, with spaces at a break dropped.
wxString wrap_to_width(const wxWindow* window, const wxString& text, int width) {
  wxString wrapped;
  wxString line;
  wxString spaces;
  auto fits = [&](const wxString& candidate) {
    return window->GetTextExtent(candidate).x <= width;
  };
  auto add = [&](const wxString& token) {
    if (line.empty()) {
      line = token;
    } else if (fits(line + spaces + token)) {
      line += spaces + token;
    } else {
      wrapped += line + "\n";
      line = token;
    }
    spaces.clear();
  };
  wxString word;
  for (wxUniChar c : text) {
    const bool cjk = c.GetValue() >= 0x2E80;
    if (c == '\n' || c == ' ' || cjk) {
      if (!word.empty()) add(word);
      word.clear();
    }
    if (c == '\n') {
      wrapped += line + "\n";
      line.clear();
      spaces.clear();
    } else if (c == ' ') {
      spaces += c;
    } else if (cjk) {
      add(wxString(c));
    } else {
      word += c;
    }
  }
  if (!word.empty()) add(word);
  return wrapped + line;
}

template <typename T>
T* as(wxWindow* widget) {
  return dynamic_cast<T*>(widget);
}

}  // namespace

WindowView::WindowView(std::shared_ptr<ui::Window> model, wxTopLevelWindow* top,
                       ViewOptions options)
    : model_(std::move(model)), top_(top), options_(options) {
  build();
  relay_ = std::make_shared<ChangeRelay>(*model_, [this](int index) { sync(index); });
  model_->set_observer(relay_);
}

WindowView::~WindowView() {
  detach();
}

namespace {

class RetiredView : public wxClientData {
 public:
  explicit RetiredView(std::unique_ptr<WindowView> view) : view_(std::move(view)) {}

 private:
  std::unique_ptr<WindowView> view_;
};

}  // namespace

void WindowView::retire(std::unique_ptr<WindowView> view) {
  view->detach();
  wxTopLevelWindow* top = view->top_;
  top->SetClientObject(new RetiredView(std::move(view)));
}

void WindowView::detach() {
  if (detached_) return;
  detached_ = true;
  relay_->detach();
  if (model_->observer() == relay_) model_->set_observer(nullptr);
  for (Entry& entry : entries_) {
    if (entry.timer) entry.timer->Stop();
  }
}

wxWindow* WindowView::widget(std::string_view name) const {
  for (const Entry& entry : entries_) {
    if (entry.control->name() == name) return entry.widget;
  }
  return nullptr;
}

const wxTimer* WindowView::timer(std::string_view name) const {
  for (const Entry& entry : entries_) {
    if (entry.control->name() == name) return entry.timer.get();
  }
  return nullptr;
}

void WindowView::build() {
  const wxFont font = default_window_font();
  top_->SetFont(font);
  client_ = new wxPanel(top_, wxID_ANY);
  client_->SetFont(font);

  std::map<std::string, const ui::ControlLayout*, std::less<>> layouts;
  for (const auto& control : model_->controls())
    layouts.emplace(control->name(), &control->layout());
  const LayoutLookup find = [&layouts](std::string_view name) -> const ui::ControlLayout* {
    auto it = layouts.find(name);
    return it == layouts.end() ? nullptr : it->second;
  };
  for (const auto& control : model_->controls()) {
    Entry entry;
    entry.control = control.get();
    entry.placement = resolve_place(control->layout(), find);
    entries_.push_back(std::move(entry));
  }
  // The tab control first: the controls of its pages go inside it.
  for (Entry& entry : entries_) {
    if (entry.control->kind() == ControlKind::TabControl && !tabs_) build_control(entry);
  }
  for (Entry& entry : entries_) {
    if (entry.control->kind() != ControlKind::TabControl) build_control(entry);
  }
  for (Entry& entry : entries_)
    bind_input(entry);

  if (tabs_) {
    // The page area's place inside the tab control is known only once GTK has laid it out,
    // and it moves when the headers settle on their height: the page area's size follows.
    tabs_->GetPage(0)->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
      event.Skip();
      // The post may outlive this view (the window closes meanwhile): it checks first.
      top_->CallAfter([this, alive = std::weak_ptr<bool>(alive_)] {
        if (alive.lock() && !detached_) place_on_pages();
      });
    });
    place_on_pages();
  }
}

wxWindow* WindowView::container_of(const Entry& entry) const {
  const int page = entry.placement.page;
  if (tabs_ && page >= 0 && page < static_cast<int>(tabs_->GetPageCount()))
    return tabs_->GetPage(page);
  return client_;
}

void WindowView::build_control(Entry& entry) {
  ui::Control& control = *entry.control;
  const ui::ControlLayout& layout = control.layout();
  wxWindow* parent = container_of(entry);
  const wxPoint at = point(entry.placement.rect);
  const wxSize extent = size(entry.placement.rect);
  const wxString text = to_wx(control.text());

  switch (layout.kind) {
    case ControlKind::TabControl: {
      tabs_ = new Compact<wxNotebook>(COMPACT_TABS, parent, wxID_ANY, at, extent);
      tabs_name_ = layout.name;
      for (const std::string& item : layout.items)
        tabs_->AddPage(new wxPanel(tabs_, wxID_ANY), to_wx(item));
      entry.widget = tabs_;
      break;
    }
    case ControlKind::GroupBox:
      entry.widget = new wxStaticBox(parent, wxID_ANY, text, at, extent);
      break;
    case ControlKind::HyperLink: {
      // wx refuses a link with neither label nor URL; the model fills both in at once anyway.
      auto* link = new wxGenericHyperlinkCtrl(parent, wxID_ANY, text.empty() ? " " : text, " ", at,
                                              extent, wxHL_ALIGN_LEFT | wxNO_BORDER);
      link->SetToolTip(wxString());
      entry.widget = link;
      break;
    }
    case ControlKind::StatusBar: {
      const int parts = static_cast<int>(layout.columns.size());
      std::vector<int> widths;
      for (const ui::Column& part : layout.columns)
        widths.push_back(part.width);
      wxStatusBar* bar;
      if (auto* frame = as<wxFrame>(top_)) {
        bar = new wxStatusBar(frame, wxID_ANY, 0);
        frame->SetStatusBar(bar);
      } else {
        // A dialog has no status-bar slot: the bar is docked to the client area's bottom.
        bar = new wxStatusBar(client_, wxID_ANY, 0);
        const auto dock = [bar, client = client_] {
          const wxSize area = client->GetClientSize();
          bar->SetSize(0, area.y - STATUS_BAR_HEIGHT, area.x, STATUS_BAR_HEIGHT);
        };
        client_->Bind(wxEVT_SIZE, [dock](wxSizeEvent& event) {
          event.Skip();
          dock();
        });
        dock();
      }
      bar->SetFieldsCount(parts, parts ? widths.data() : nullptr);
      entry.widget = bar;
      break;
    }
    case ControlKind::Timer: {
      entry.timer = std::make_unique<wxTimer>(top_, wxWindow::NewControlId());
      const std::string name = layout.name;
      top_->Bind(
          wxEVT_TIMER,
          [this, name](wxTimerEvent&) {
            // A tick already queued when a worker stopped the timer is dropped, as a stopped
            // timer's pending ticks are on Windows: it would overwrite the loader's final text.
            if (!detached_ && model_->control(name).timer_period() > 0)
              model_->raise(name, ui::Event::Tick);
          },
          entry.timer->GetId());
      break;
    }
    case ControlKind::EditBox: {
      if (layout.place.height >= MULTILINE_EDIT_HEIGHT) {
        entry.widget = new wxTextCtrl(parent, wxID_ANY, text, at, extent, wxTE_MULTILINE);
      } else {
        entry.widget = new Compact<wxTextCtrl>(COMPACT_ENTRY, parent, wxID_ANY, text, at, extent);
      }
      break;
    }
    case ControlKind::Button:
      entry.widget = new Compact<wxButton>(COMPACT_BUTTON, parent, wxID_ANY, text, at, extent);
      break;
    case ControlKind::ListView:
      entry.widget = new VirtualListView(parent, at, extent, model_->list(layout.name));
      break;
    case ControlKind::Label:
      entry.widget = new wxStaticText(parent, wxID_ANY, wxString(), at, extent,
                                      wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
      break;
    case ControlKind::RadioButton: {
      // Radio buttons sharing a parent form one group, as on a Windows dialog.
      bool first_in_parent = true;
      for (const Entry& other : entries_) {
        if (&other == &entry) break;
        if (other.control->kind() == ControlKind::RadioButton && other.widget &&
            other.widget->GetParent() == parent) {
          first_in_parent = false;
        }
      }
      entry.widget = new Compact<wxRadioButton>(COMPACT_RADIO, parent, wxID_ANY, text, at, extent,
                                                first_in_parent ? wxRB_GROUP : 0);
      break;
    }
    case ControlKind::WebBrowser:
      if (options_.web_views && wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) {
        const wxString url = text.empty() ? wxString("about:blank") : text;
        entry.widget = wxWebView::New(parent, wxID_ANY, url, at, extent);
      }
      break;
    case ControlKind::PictureBox:
      entry.widget = new PictureView(parent, at, extent, model_->picture_box(layout.name));
      break;
    case ControlKind::Menu:
      break;
  }
  if (entry.widget && (layout.font.height > 0 || layout.font.bold || !layout.font.face.empty()))
    entry.widget->SetFont(make_font(layout.font));
}

void WindowView::place_on_pages() {
  if (!tabs_ || tabs_->GetPageCount() == 0) return;
  // From sizes, not positions: GTK reports a page's position in its tab control's parent.
  // The headers sit on top; the page area has the same border on its other three sides.
  const wxSize outer = tabs_->GetSize();
  const wxSize inner = tabs_->GetPage(0)->GetSize();
  if (inner.x <= 0 || inner.y <= 0) return;
  const int border = (outer.x - inner.x) / 2;
  const wxPoint origin(border, outer.y - inner.y - border);
  if (origin == page_origin_) return;
  page_origin_ = origin;
  for (Entry& entry : entries_) {
    if (!entry.widget || entry.placement.page < 0 || entry.widget == tabs_) continue;
    entry.widget->Move(point(entry.placement.rect) - origin);
  }
}

void WindowView::bind_input(Entry& entry) {
  if (!entry.widget) return;
  const std::string name = entry.control->name();
  switch (entry.control->kind()) {
    case ControlKind::TabControl:
      tabs_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this, name](wxBookCtrlEvent& event) {
        if (event.GetEventObject() != tabs_) return event.Skip();
        if (detached_) return;
        model_->control(name).set_current_page(event.GetSelection());
        model_->raise(name, ui::Event::Click);
      });
      break;
    case ControlKind::Button:
      entry.widget->Bind(wxEVT_BUTTON, [this, name](wxCommandEvent&) {
        if (!detached_) model_->raise(name, ui::Event::Click);
      });
      break;
    case ControlKind::HyperLink:
      // Not skipped: the app's handler decides what a click opens, never the widget itself.
      entry.widget->Bind(wxEVT_HYPERLINK, [this, name](wxHyperlinkEvent&) {
        if (!detached_) model_->raise(name, ui::Event::Click);
      });
      break;
    case ControlKind::EditBox:
      entry.widget->Bind(wxEVT_TEXT, [this, &entry](wxCommandEvent& event) {
        if (detached_) return;
        entry.typed = from_wx(event.GetString());
        entry.control->set_text(entry.typed);
      });
      break;
    case ControlKind::RadioButton:
      entry.widget->Bind(wxEVT_RADIOBUTTON, [this, &entry](wxCommandEvent&) {
        if (!detached_) on_radio(entry);
      });
      break;
    case ControlKind::ListView: {
      auto& list = model_->list(name);
      entry.widget->Bind(wxEVT_LIST_ITEM_SELECTED, [this, &list](wxListEvent& event) {
        if (!detached_) list.set_selected_row(static_cast<int>(event.GetIndex()));
      });
      entry.widget->Bind(wxEVT_LIST_ITEM_DESELECTED, [this, &list](wxListEvent& event) {
        if (!detached_ && list.selected_row() == event.GetIndex()) list.set_selected_row(-1);
      });
      entry.widget->Bind(wxEVT_LIST_ITEM_RIGHT_CLICK,
                         [this, &list, &entry, name](wxListEvent& event) {
                           const long row = event.GetIndex();
                           if (detached_ || row < 0) return;
                           list.set_selected_row(static_cast<int>(row));
                           as<VirtualListView>(entry.widget)->sync_from_model();
                           model_->raise(name, ui::Event::ItemRightClick);
                         });
      break;
    }
    default:
      break;
  }
}

void WindowView::on_radio(Entry& entry) {
  wxWindow* parent = entry.widget->GetParent();
  for (Entry& other : entries_) {
    if (other.control->kind() == ControlKind::RadioButton && other.widget &&
        other.widget->GetParent() == parent) {
      other.control->set_checked(&other == &entry);
    }
  }
}

void WindowView::sync_all() {
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
    sync(i);
  sync(-1);
}

void WindowView::sync(int index) {
  if (detached_) return;
  if (index < 0) {
    top_->SetTitle(to_wx(model_->title()));
    return;
  }
  sync_control(entries_[index]);
}

void WindowView::sync_control(Entry& entry) {
  ui::Control& control = *entry.control;
  wxWindow* widget = entry.widget;
  switch (control.kind()) {
    case ControlKind::Timer: {
      const int period = control.timer_period();
      if (period <= 0) {
        entry.timer->Stop();
      } else if (!entry.timer->IsRunning() || entry.timer->GetInterval() != period) {
        entry.timer->Start(period);
      }
      return;
    }
    case ControlKind::Menu:
      sync_menus();
      return;
    default:
      break;
  }
  if (!widget) return;
  if (widget->IsEnabled() == control.disabled()) widget->Enable(!control.disabled());

  switch (control.kind()) {
    case ControlKind::TabControl: {
      const int page = control.current_page();
      if (page >= 0 && page < static_cast<int>(tabs_->GetPageCount()) &&
          tabs_->GetSelection() != page) {
        tabs_->ChangeSelection(page);
      }
      break;
    }
    case ControlKind::GroupBox:
      widget->SetLabel(to_wx(control.text()));
      break;
    case ControlKind::HyperLink: {
      auto* link = as<wxGenericHyperlinkCtrl>(widget);
      const wxString text = to_wx(control.text());
      if (link->GetLabel() != text) link->SetLabel(text);
      const wxString target = to_wx(control.link_target());
      if (link->GetURL() != target) link->SetURL(target);
      break;
    }
    case ControlKind::StatusBar: {
      auto& model = model_->status_bar(control.name());
      auto* bar = as<wxStatusBar>(widget);
      for (int part = 0; part < model.part_count(); ++part) {
        const wxString text = to_wx(model.part_text(part));
        if (bar->GetStatusText(part) != text) bar->SetStatusText(text, part);
      }
      break;
    }
    case ControlKind::EditBox: {
      const std::string text = control.text();
      if (text == entry.typed) break;  // the user's own typing: leave the caret alone
      entry.typed.clear();
      auto* edit = as<wxTextCtrl>(widget);
      const wxString shown = to_wx(text);
      if (edit->GetValue() != shown) edit->ChangeValue(shown);
      break;
    }
    case ControlKind::Button: {
      auto* button = as<wxButton>(widget);
      const wxString text = to_wx(control.text());
      if (button->GetLabelText() != text) button->SetLabelText(text);
      break;
    }
    case ControlKind::ListView:
      as<VirtualListView>(widget)->sync_from_model();
      break;
    case ControlKind::Label: {
      auto* label = as<wxStaticText>(widget);
      const wxString text = to_wx(control.text());
      const ui::Rect& place = control.layout().place;
      const wxString shown =
          place.height >= WRAPPING_LABEL_HEIGHT ? wrap_to_width(label, text, place.width) : text;
      if (label->GetLabelText() != shown) label->SetLabelText(shown);
      const wxColour colour = to_wx_colour(control.text_colour());
      if (label->GetForegroundColour() != colour) {
        label->SetForegroundColour(colour);
        label->Refresh();
      }
      break;
    }
    case ControlKind::RadioButton: {
      auto* radio = as<wxRadioButton>(widget);
      const wxString text = to_wx(control.text());
      if (radio->GetLabelText() != text) radio->SetLabelText(text);
      // A radio button is unchecked by checking another of its group.
      if (control.checked() && !radio->GetValue()) radio->SetValue(true);
      break;
    }
    case ControlKind::WebBrowser: {
      auto* web = as<wxWebView>(widget);
      const wxString url = to_wx(control.text());
      if (web && !url.empty() && web->GetCurrentURL() != url) web->LoadURL(url);
      break;
    }
    case ControlKind::PictureBox:
      as<PictureView>(widget)->sync_from_model();
      break;
    default:
      break;
  }
}

void WindowView::sync_menus() {
  auto* frame = as<wxFrame>(top_);
  if (!frame) return;  // only frames have a menu bar; the menus still pop up
  std::vector<const ui::Control*> shown;
  std::vector<std::string> names;
  for (const Entry& entry : entries_) {
    if (entry.control->kind() == ControlKind::Menu && entry.control->visible()) {
      shown.push_back(entry.control);
      names.push_back(entry.control->name());
    }
  }
  if (names == shown_menus_) return;
  shown_menus_ = names;
  wxMenuBar* old = frame->GetMenuBar();
  if (shown.empty()) {
    frame->SetMenuBar(nullptr);
    delete old;
    return;
  }
  auto* bar = new wxMenuBar;
  for (const ui::Control* menu : shown) {
    auto* items = new wxMenu;
    const std::vector<std::string>& texts = menu->layout().items;
    for (size_t i = 0; i < texts.size(); ++i) {
      wxMenuItem* item = items->Append(wxID_ANY, to_wx(texts[i]));
      const std::string name = menu->name();
      const int index = static_cast<int>(i);
      frame->Bind(
          wxEVT_MENU,
          [this, name, index](wxCommandEvent&) {
            if (!detached_) model_->choose_menu_item(name, index);
          },
          item->GetId());
    }
    bar->Append(items, to_wx(menu->name()));
  }
  frame->SetMenuBar(bar);
  delete old;
}

}  // namespace vexlune::wx
