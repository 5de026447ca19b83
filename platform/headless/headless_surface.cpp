// Headless surfaces of self-drawn controls.
#include "platform/headless/headless_surface.h"

namespace zv::headless {

HeadlessSurface::HeadlessSurface(forms::HostedControl& control, TextRenderer& text)
    : control_(control),
      text_(text),
      image_(control.PixelBounds().Width(), control.PixelBounds().Height(), &text) {
  image_.canvas().SetTextDpi(control.Dpi());
  control.AttachSurface(this);
  control.AttachPeer(this);
  control.OnResize();
}

HeadlessSurface::~HeadlessSurface() {
  control_.AttachSurface(nullptr);
  control_.AttachPeer(nullptr);
}

void HeadlessSurface::Changed(forms::Change what) {
  if (what != forms::Change::Bounds) return;
  const Rect r = control_.PixelBounds();
  if (r.Width() == image_.canvas().Width() && r.Height() == image_.canvas().Height()) return;
  image_ = OwnedCanvas(r.Width(), r.Height(), &text_);
  image_.canvas().SetTextDpi(control_.Dpi());
  control_.OnResize();
}

}  // namespace zv::headless
