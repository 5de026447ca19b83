// GDI text on DIB sections, and the DIB-backed retained image of a window.
#include "platform/win32/forms/gdi_text_renderer_win32.h"

#include "platform/win32/text_win32.h"

namespace zv::platform {

TextExtent GdiTextRenderer::Measure(const Font& font, std::string_view utf8, unsigned flags) {
  SelectedObject selected(dc_, resources_.FontFor(font));
  const std::wstring text = Widen(utf8);
  RECT r{0, 0, 0, 0};
  const UINT format = DT_CALCRECT | DT_SINGLELINE | (flags & (textflag::kNoPrefix | textflag::kExpandTabs));
  DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, format);
  if (text.empty()) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    return {0, double(tm.tmHeight)};
  }
  return {double(r.right - r.left), double(r.bottom - r.top)};
}

void GdiTextRenderer::Draw(Canvas&, const Font& font, Color color, std::string_view utf8, Rect rect,
                           unsigned flags) {
  SelectedObject selected(dc_, resources_.FontFor(font));
  const std::wstring text = Widen(utf8);
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, color);
  DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, flags);
  // Later pixel reads and writes go straight to the DIB's memory.
  GdiFlush();
}

DibSurface::DibSurface(GdiResources& resources) : resources_(resources), dc_(CreateCompatibleDC(nullptr)) {}

DibSurface::~DibSurface() { Release(); }

void DibSurface::Release() {
  canvas_.reset();
  text_.reset();
  if (previousBitmap_ != nullptr) SelectObject(dc_.get(), previousBitmap_);
  previousBitmap_ = nullptr;
  bitmap_.Reset();
  width_ = height_ = 0;
}

bool DibSurface::Resize(int width, int height, int textDpi) {
  if (width == width_ && height == height_ && canvas_) {
    canvas_->SetTextDpi(textDpi);
    return true;
  }
  Release();
  if (width <= 0 || height <= 0 || !dc_) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows, as the canvas addresses them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || bits == nullptr) return false;
  previousBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  width_ = width;
  height_ = height;
  text_.emplace(dc_.get(), resources_);
  std::span<std::uint32_t> pixels(static_cast<std::uint32_t*>(bits), static_cast<size_t>(width) * height);
  canvas_.emplace(pixels, width, height, &*text_);
  canvas_->SetTextDpi(textDpi);
  return true;
}

void DibSurface::Present(HDC target, const RECT& area) const {
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
         area.top, SRCCOPY);
}

}  // namespace zv::platform
