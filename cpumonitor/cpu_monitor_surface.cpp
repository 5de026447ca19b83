// The strip chart's surface: the drawing area inside its border, presenting it, and its handles.
#include <algorithm>

#include "cpumonitor/cpu_monitor.h"

namespace zv::cpumonitor {

double CpuMonitor::OuterWidthPixels() const { return Width() * double(Dpi()) / kTwipsPerInch; }

int CpuMonitor::BorderWidth() const {
  if (borderStyle_ != 1) return 0;
  return appearance_ == 1 ? 2 : 1;
}

Size CpuMonitor::InnerSize() const {
  const Rect r = PixelBounds();
  const int border = BorderWidth();
  return {std::max(0, r.Width() - 2 * border), std::max(0, r.Height() - 2 * border)};
}

Canvas& CpuMonitor::DrawingSurface() {
  forms::HostedSurface* surface = Surface();
  const Size inner = InnerSize();
  if (surface != nullptr && surface->GetCanvas() != nullptr && BorderWidth() == 0) {
    inner_.reset();
    return *surface->GetCanvas();
  }
  if (!inner_ || inner_->canvas().Width() != inner.width || inner_->canvas().Height() != inner.height) {
    inner_.emplace(inner.width, inner.height, nullptr);
  }
  return inner_->canvas();
}

void CpuMonitor::DrawBorder(Canvas& canvas) const {
  const Rect all{0, 0, canvas.Width(), canvas.Height()};
  if (appearance_ != 1) {
    canvas.FrameRect(all, 0x000000);
    return;
  }
  // A sunken edge: shadow above and left, highlight below and right, twice.
  canvas.FillRect({all.left, all.top, all.right, all.top + 1}, 0x808080);
  canvas.FillRect({all.left, all.top, all.left + 1, all.bottom}, 0x808080);
  canvas.FillRect({all.left, all.bottom - 1, all.right, all.bottom}, 0xFFFFFF);
  canvas.FillRect({all.right - 1, all.top, all.right, all.bottom}, 0xFFFFFF);
  canvas.FillRect({all.left + 1, all.top + 1, all.right - 1, all.top + 2}, 0x404040);
  canvas.FillRect({all.left + 1, all.top + 1, all.left + 2, all.bottom - 1}, 0x404040);
  canvas.FillRect({all.left + 1, all.bottom - 2, all.right - 1, all.bottom - 1}, 0xC0C0C0);
  canvas.FillRect({all.right - 2, all.top + 1, all.right - 1, all.bottom - 1}, 0xC0C0C0);
}

void CpuMonitor::Present() {
  forms::HostedSurface* surface = Surface();
  if (surface == nullptr || surface->GetCanvas() == nullptr) return;
  if (inner_ && BorderWidth() > 0) {
    Canvas& outer = *surface->GetCanvas();
    DrawBorder(outer);
    outer.DrawPicture(inner_->ToPicture(), {BorderWidth(), BorderWidth()});
  }
  surface->Present();
}

platform::OpaqueHandle CpuMonitor::hWnd() const {
  forms::HostedSurface* surface = Surface();
  return surface != nullptr ? surface->WindowHandle() : 0;
}

platform::OpaqueHandle CpuMonitor::hdc() const {
  forms::HostedSurface* surface = Surface();
  return surface != nullptr ? surface->DeviceContext() : 0;
}

}  // namespace zv::cpumonitor
