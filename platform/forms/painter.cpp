// Composition of a container's surface from its background and windowless controls.
#include "platform/forms/painter.h"

#include <algorithm>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace zv::forms {
namespace {

bool Intersects(Rect a, Rect b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void PaintBackground(const Container& surface, Canvas& canvas, const PaintServices& services, Rect dirty) {
  const Picture* picture = nullptr;
  if (surface.Kind() == ControlKind::Form) {
    const auto& form = static_cast<const Form&>(surface);
    if (!form.PictureName().empty()) picture = services.pictures.Find(form.PictureName(), form.Dpi());
  }
  canvas.FillRect(dirty, services.colors.Resolve(surface.BackColor()));
  if (picture != nullptr) canvas.DrawPicture(*picture, {0, 0});
}

void PaintImage(const Image& image, Canvas& canvas, const PaintServices& services) {
  if (image.PictureName().empty()) return;
  const Picture* picture = services.pictures.Find(image.PictureName(), image.Dpi());
  if (picture == nullptr) return;
  const Rect r = image.PixelBounds();
  canvas.DrawPicture(*picture, {r.left, r.top});
}

void PaintShape(const Shape& shape, Canvas& canvas, const PaintServices& services) {
  const Rect r = shape.PixelBounds();
  auto resolve = [&](Color c) { return services.colors.Resolve(c); };
  if (shape.Filled()) canvas.FillRect(r, resolve(shape.FillColor()));
  canvas.FrameRect(r, resolve(shape.BorderColor()));
}

void PaintLabel(const Label& label, Canvas& canvas, const PaintServices& services) {
  const Rect r = label.PixelBounds();
  auto resolve = [&](Color c) { return services.colors.Resolve(c); };
  if (!label.Transparent()) canvas.FillRect(r, resolve(label.BackColor()));
  canvas.DrawText(label.GetFont(), resolve(label.ForeColor()), label.Caption(), r,
                  LabelTextFormat(label.AutoSize(), static_cast<int>(label.Alignment())));
}

}  // namespace

unsigned LabelTextFormat(bool autoSize, int alignment) {
  unsigned flags = autoSize ? textflag::kSingleLine : textflag::kWordBreak;
  if (alignment == static_cast<int>(TextAlign::Center)) flags |= textflag::kCenter;
  if (alignment == static_cast<int>(TextAlign::Right)) flags |= 0x2;  // DT_RIGHT
  return flags;
}

void PaintSurface(const Container& surface, Canvas& canvas, const PaintServices& services, Rect dirty) {
  dirty.left = std::max(dirty.left, 0);
  dirty.top = std::max(dirty.top, 0);
  dirty.right = std::min(dirty.right, canvas.Width());
  dirty.bottom = std::min(dirty.bottom, canvas.Height());
  if (dirty.IsEmpty()) return;
  PaintBackground(surface, canvas, services, dirty);
  for (const auto& child : surface.Children()) {
    if (!child->IsWindowless() || !child->Visible()) continue;
    if (!Intersects(child->PixelBounds(), dirty)) continue;
    switch (child->Kind()) {
      case ControlKind::Image:
        PaintImage(static_cast<const Image&>(*child), canvas, services);
        break;
      case ControlKind::Shape:
        PaintShape(static_cast<const Shape&>(*child), canvas, services);
        break;
      case ControlKind::Label:
        PaintLabel(static_cast<const Label&>(*child), canvas, services);
        break;
      default:
        break;
    }
  }
}

}  // namespace zv::forms
