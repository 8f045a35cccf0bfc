#pragma once
// A virtual report list view over a ui::ListView model: rows live in the model and the view
// asks only for the cells it draws, so 100,000 rows cost no widget per row.

#include <memory>
#include <vector>

#include <wx/listctrl.h>

#include "app/ui/control.h"

namespace vexlune::wx {

class VirtualListView : public wxListCtrl {
 public:
  VirtualListView(wxWindow* parent, const wxPoint& place, const wxSize& size, ui::ListView& model);

  // Takes the row count and the selection from the model and redraws what shows.
  void sync_from_model();

 protected:
  wxString OnGetItemText(long item, long column) const override;

 private:
  ui::ListView& model_;
  std::vector<bool> hidden_columns_;  // width 0 in the layout: the model keeps their data
};

}  // namespace vexlune::wx
