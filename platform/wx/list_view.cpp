#include "platform/wx/list_view.h"

#include "platform/wx/display_text.h"

namespace vexlune::wx {

VirtualListView::VirtualListView(wxWindow* parent, const wxPoint& place, const wxSize& size,
                                 ui::ListView& model)
    : wxListCtrl(parent, wxID_ANY, place, size, wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL),
      model_(model) {
  const std::vector<ui::Column>& columns = model.layout().columns;
  for (size_t i = 0; i < columns.size(); ++i) {
    AppendColumn(to_wx(columns[i].title), wxLIST_FORMAT_LEFT, columns[i].width);
    hidden_columns_.push_back(columns[i].width == 0);
  }
}

wxString VirtualListView::OnGetItemText(long item, long column) const {
  // A zero-width column is still asked for its text and would draw a sliver of it.
  if (column < 0 || column >= static_cast<long>(hidden_columns_.size()) ||
      hidden_columns_[column]) {
    return {};
  }
  return to_wx(model_.cell(static_cast<int>(item), static_cast<int>(column)));
}

void VirtualListView::sync_from_model() {
  const long rows = model_.row_count();
  if (GetItemCount() != rows) {
    SetItemCount(rows);
  }
  const long selected = model_.selected_row();
  const long shown = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
  if (selected != shown) {
    if (shown >= 0) SetItemState(shown, 0, wxLIST_STATE_SELECTED);
    if (selected >= 0) SetItemState(selected, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
  }
  Refresh();  // cells may have changed in place (set_cell)
}

}  // namespace vexlune::wx
