// FormTip: the mini status window, an always-on-top strip near the bottom-right corner of the screen
// that mirrors the main window's load percentage, drags with the mouse and opens the tray menu.
#pragma once

#include <functional>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/window_messages.h"

namespace zv::tray {

struct TipActions {
  std::function<void()> showTrayMenu;
  // Makes the main window visible and active, without restoring it from the minimised state.
  std::function<void()> showMainWindow;
};

// Where the window goes on load, in twips: bottom edge 800 and right edge 500 twips inside the
// primary screen's edges; the screen's pixels are at `dpi`.
Point TipPlacement(Size screenPixels, Size windowTwips, int dpi = kStandardDpi);

class FormTip {
 public:
  // mainPercent is the main window's LabelMemoryUsedPercent, which the strip copies.
  FormTip(forms::Runtime& runtime, platform::WindowMessages& windows, const forms::Label& mainPercent,
          TipActions actions);
  FormTip(const FormTip&) = delete;
  FormTip& operator=(const FormTip&) = delete;

  forms::Form& GetForm() { return form_; }

  // Both load the window first if it never was, which places it.
  void Show();
  void Hide();
  // Nothing happens for a window never loaded.
  void Unload();

  void Form_Load();
  void TimerSame_Timer();
  void Form_MouseDown(int button, int shift, float x, float y);
  void Form_MouseMove(int button, int shift, float x, float y);
  void Form_DblClick();
  void LabelUsage_MouseDown(int button, int shift, float x, float y);
  void LabelUsage_DblClick();
  void LabelMemoryUsedPercent_MouseDown(int button, int shift, float x, float y);
  void LabelMemoryUsedPercent_DblClick();

 private:
  void WireEvents();
  void EnsureLoaded();
  void MirrorUsage();
  void LabelMouseDown(int button);
  void StartDragMove();

  forms::FormsBackend& backend_;
  forms::Application& app_;
  platform::WindowMessages& windows_;
  const forms::Label& mainPercent_;
  TipActions actions_;
  forms::Form form_;
  forms::Label* labelUsage_ = nullptr;
  forms::Label* labelMemoryUsedPercent_ = nullptr;
  forms::Timer* timerSame_ = nullptr;
};

}  // namespace zv::tray
