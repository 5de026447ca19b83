// Owners for GDI objects and device contexts, each released once with its own function.
#pragma once

#include "platform/win32/handles.h"

namespace zv::platform {

struct BrushTraits {
  using Native = HBRUSH;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { DeleteObject(h); }
};

struct FontTraits {
  using Native = HFONT;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { DeleteObject(h); }
};

struct BitmapTraits {
  using Native = HBITMAP;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { DeleteObject(h); }
};

// A DC made with CreateCompatibleDC.
struct MemoryDcTraits {
  using Native = HDC;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { DeleteDC(h); }
};

using BrushHandle = ScopedHandle<BrushTraits>;
using FontHandle = ScopedHandle<FontTraits>;
using BitmapHandle = ScopedHandle<BitmapTraits>;
using MemoryDcHandle = ScopedHandle<MemoryDcTraits>;

// Selects an object into a DC for the owner's lifetime and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (dc_ != nullptr) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace zv::platform
