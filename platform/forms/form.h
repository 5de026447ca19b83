// A top-level window of the program: its controls, timers and life cycle.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/container.h"
#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"

namespace zv::forms {

// The backend's side of a form: a real top-level window.
class FormPeer : public ControlPeer {
 public:
  virtual std::uintptr_t Handle() const = 0;
  virtual void Activate() = 0;
  virtual void Destroy() = 0;
};

enum class FormBorder { None, FixedSingle };

class Form : public Container {
 public:
  Form(Runtime& runtime, std::string name);
  ~Form() override;

  // Measures the captions of the form's labels.
  TextRenderer& Text() const { return text_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption) { caption_ = caption; }
  // The dots per inch the window is laid out at, the screen's when it is made: twips become pixels at
  // this rate.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi);
  // The client area: designed in pixels at 96 dpi, laid out in pixels at the form's dpi.
  Size DesignClientSize() const { return designClientSize_; }
  void SetDesignClientSize(Size pixelsAt96) { designClientSize_ = pixelsAt96; }
  Size ClientTwips() const;
  Size ClientSize() const;
  const std::string& PictureName() const { return picture_; }
  void SetPictureName(std::string_view name) { picture_ = name; }
  FormBorder Border() const { return border_; }
  void SetBorder(FormBorder border) { border_ = border; }
  bool ShowInTaskbar() const { return showInTaskbar_; }
  void SetShowInTaskbar(bool show) { showInTaskbar_ = show; }

  Timer& AddTimer(std::string name);
  Timer* FindTimer(std::string_view name) const;

  // The backend realises the form and its controls; until then it has no window.
  void AttachFormPeer(FormPeer* peer) {
    formPeer_ = peer;
    AttachPeer(peer);
  }
  std::uintptr_t Handle() const { return formPeer_ ? formPeer_->Handle() : 0; }
  bool Loaded() const { return formPeer_ != nullptr && !unloaded_; }

  // Shows the window modelessly and activates it.
  void Show();
  void Hide();
  // Stops the timers and destroys the window; the model stays valid until it is deleted.
  void Unload();
  bool Unloaded() const { return unloaded_; }

  std::function<void()> onLoad;
  // A close request from the platform (Alt+F4, the taskbar button's menu).
  std::function<void()> onCloseRequest;
  // The Windows session ends; the program must end now.
  std::function<void()> onEndSession;
  // A key pressed anywhere in the window (a key code of forms::key, the Shift and Ctrl state as the mask
  // kShiftMask | kCtrlMask), before the control with the focus and the Tab navigation see it; true keeps
  // it from them.
  std::function<bool(int keyCode, int shift)> onKeyPreview;

 private:
  TextRenderer& text_;
  TimerService& timerService_;
  std::string caption_;
  Size designClientSize_;
  int dpi_ = kStandardDpi;
  std::string picture_;
  FormBorder border_ = FormBorder::None;
  bool showInTaskbar_ = true;
  std::vector<std::unique_ptr<Timer>> timers_;
  FormPeer* formPeer_ = nullptr;
  bool unloaded_ = false;
};

// Realises forms on a platform: creates their windows and the peers of their controls.
class FormsBackend {
 public:
  virtual ~FormsBackend() = default;
  // Creates the window (hidden) and every control's peer; then runs onLoad.
  virtual void Load(Form& form) = 0;
};

}  // namespace zv::forms
