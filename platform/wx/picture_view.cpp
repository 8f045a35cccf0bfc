#include "platform/wx/picture_view.h"

#include <cstdlib>
#include <cstring>

#include <wx/dcbuffer.h>
#include <wx/image.h>

namespace vexlune::wx {

PictureView::PictureView(wxWindow* parent, const wxPoint& place, const wxSize& size,
                         ui::PictureBox& model)
    : wxWindow(parent, wxID_ANY, place, size, wxFULL_REPAINT_ON_RESIZE), model_(model) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &PictureView::on_paint, this);
}

void PictureView::sync_from_model() {
  ui::ImagePtr picture = model_.picture();
  const int mode = model_.display_mode();
  if (picture == shown_ && mode == mode_) return;
  shown_ = picture;
  mode_ = mode;
  image_ = wxImage();
  const size_t bytes = picture ? static_cast<size_t>(picture->width) * picture->height * 3 : 0;
  if (picture && picture->width > 0 && picture->height > 0 && picture->rgb.size() >= bytes) {
    // wxImage frees its buffer with free(), so it gets a malloc'd copy.
    auto* data = static_cast<unsigned char*>(std::malloc(bytes));
    if (data) {
      std::memcpy(data, picture->rgb.data(), bytes);
      image_.Create(picture->width, picture->height, data);
    }
  }
  Refresh();
}

void PictureView::on_paint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  if (!image_.IsOk()) return;
  const wxSize box = GetClientSize();
  if (mode_ == 1 && box.x > 0 && box.y > 0) {
    dc.DrawBitmap(wxBitmap(image_.Scale(box.x, box.y, wxIMAGE_QUALITY_BILINEAR)), 0, 0);
  } else {
    dc.DrawBitmap(wxBitmap(image_), 0, 0);
  }
}

}  // namespace vexlune::wx
