#pragma once
// Draws a ui::PictureBox model: its decoded picture at the top left, or stretched over the
// whole box in display mode 1.

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/window.h>

#include "app/ui/control.h"

namespace vexlune::wx {

class PictureView : public wxWindow {
 public:
  PictureView(wxWindow* parent, const wxPoint& place, const wxSize& size, ui::PictureBox& model);

  void sync_from_model();
  bool has_picture() const { return image_.IsOk(); }
  // What the box shows, at its own size; for tests.
  wxSize picture_size() const { return image_.IsOk() ? image_.GetSize() : wxSize(); }
  const wxImage& picture() const { return image_; }

 private:
  void on_paint(wxPaintEvent& event);

  ui::PictureBox& model_;
  ui::ImagePtr shown_;
  wxImage image_;
  int mode_ = 0;
};

}  // namespace vexlune::wx
