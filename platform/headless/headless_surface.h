// The surface of a self-drawn control in the headless runtime: an owned canvas, a cursor the
// test places, and records of presents, regions and keystrokes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/hosted_control.h"
#include "platform/host_text_renderer.h"

namespace zv::headless {

class HeadlessSurface final : public forms::HostedSurface, public forms::ControlPeer {
 public:
  HeadlessSurface(forms::HostedControl& control, TextRenderer& text);
  ~HeadlessSurface() override;
  HeadlessSurface(const HeadlessSurface&) = delete;
  HeadlessSurface& operator=(const HeadlessSurface&) = delete;

  Canvas* GetCanvas() override { return &image_.canvas(); }
  void Present() override { ++presents; }
  Point CursorInClient() override { return cursor; }
  void SetRegion(const std::vector<Rect>& removed) override { regions.push_back(removed); }
  bool HasFocus() override { return focused; }
  void SendTab(bool backward) override {
    tabs.push_back(backward ? "+{Tab}" : "{Tab}");
    if (onSendTab) onSendTab(backward);
  }
  std::uintptr_t WindowHandle() override { return handle; }
  std::uintptr_t DeviceContext() override { return handle + 1; }

  // Bounds changes resize the canvas and tell the control, as a window's WM_SIZE does.
  void Changed(forms::Change what) override;

  Color At(int x, int y) const { return image_.canvas().GetPixel(x, y); }

  Point cursor{-1, -1};
  bool focused = false;
  int presents = 0;
  std::vector<std::vector<Rect>> regions;
  std::vector<std::string> tabs;
  // Delivers the keystroke (the runtime's keyboard); without it SendTab only records.
  std::function<void(bool backward)> onSendTab;
  std::uintptr_t handle = 0x7000;

 private:
  forms::HostedControl& control_;
  TextRenderer& text_;
  OwnedCanvas image_;
};

}  // namespace zv::headless
