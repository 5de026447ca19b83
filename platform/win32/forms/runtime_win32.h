// The forms runtime's services on Win32: window timers, message boxes, the event loop,
// the application's folder and screen, pictures from resources and system colours.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/forms/runtime.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {

// Window timers on a message-only window of the user-interface thread.
class Win32TimerService final : public forms::TimerService {
 public:
  explicit Win32TimerService(HINSTANCE instance);
  ~Win32TimerService() override;
  Win32TimerService(const Win32TimerService&) = delete;
  Win32TimerService& operator=(const Win32TimerService&) = delete;

  void Start(forms::Timer& timer, int intervalMs) override;
  void Stop(forms::Timer& timer) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnTimer(UINT_PTR id);
  HWND window_ = nullptr;
  std::map<UINT_PTR, forms::Timer*> byId_;
  std::map<forms::Timer*, UINT_PTR> byTimer_;
  UINT_PTR nextId_ = 1;
};

class Win32MessageBoxes final : public forms::MessageBoxService {
 public:
  void Show(std::string_view text, forms::MessageIcon icon) override;
};

// Dispatches one message as the program's loops do (keyboard navigation between controls included).
void DispatchUiMessage(MSG& msg);

class Win32EventLoop final : public forms::EventLoop {
 public:
  void DoEvents() override;
  void Quit() override;
  bool Quitting() const override { return quitting_; }
  // The program's message loop; returns when Quit was asked for.
  int Run();

 private:
  bool quitting_ = false;
};

class Win32Application final : public forms::Application {
 public:
  std::string Folder() override;
  std::string ExeName() override;
  Size ScreenSize() override;
  // The system's dpi once the program has declared itself DPI-aware; 96 while the system stretches it.
  int ScreenDpi() override;
};

// The skin's pictures: RCDATA resources, each a deflated bitmap (platform/deflated_bmp.h), drawn for 96
// dpi under the picture's name in capitals and for 120, 144 and 192 dpi with _125, _150 or _200 after it.
// A dpi takes the set drawn for it, or the next larger one reduced smoothly (the largest enlarged, above
// it). A picture is inflated on first use and kept; a large one only until the paint that used it has
// ended, unless it had to be resized.
class ResourcePictures final : public forms::PictureSource {
 public:
  explicit ResourcePictures(HINSTANCE instance) : instance_(instance) {}
  const Picture* Find(std::string_view name, int dpi) override;
  void Trim() override;

 private:
  struct Entry {
    std::optional<Picture> picture;
    bool resized = false;
  };
  std::optional<Picture> Load(std::string_view name, int setDpi) const;

  HINSTANCE instance_;
  std::map<std::pair<std::string, int>, Entry, std::less<>> cache_;
};

class Win32SystemColors final : public forms::SystemColors {
 public:
  Color Get(int index) override { return GetSysColor(index); }
};

}  // namespace zv::platform
