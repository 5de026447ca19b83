// A headless forms runtime for tests and tools: a virtual clock for timers, scripted
// message boxes, recording peers and no windows at all.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/menu.h"
#include "platform/forms/runtime.h"
#include "platform/headless/headless_keyboard.h"
#include "platform/headless/headless_surface.h"
#include "platform/host_text_renderer.h"

namespace zv::headless {

// Timers tick when the test advances the clock; no sleeping, fully deterministic.
class VirtualClockTimers : public forms::TimerService {
 public:
  void Start(forms::Timer& timer, int intervalMs) override;
  void Stop(forms::Timer& timer) override;
  // Moves the clock forward, firing each due tick in time order (timers started earlier first on ties).
  // A handler may advance it again (a nested event loop): the clock never goes back.
  void Advance(std::int64_t ms);
  std::int64_t Now() const { return now_; }
  bool IsRunning(const forms::Timer& timer) const;
  std::size_t Count() const { return entries_.size(); }

 private:
  struct Entry {
    forms::Timer* timer;
    int interval;
    std::int64_t due;
    std::uint64_t order;
  };
  std::vector<Entry> entries_;
  std::int64_t now_ = 0;
  std::uint64_t nextOrder_ = 0;
};

class ScriptedMessageBoxes : public forms::MessageBoxService {
 public:
  struct Shown {
    std::string text;
    forms::MessageIcon icon;
  };
  void Show(std::string_view text, forms::MessageIcon icon) override;
  const std::vector<Shown>& History() const { return shown_; }
  // Runs while the next box is "open", as events do inside its modal loop.
  std::function<void()> whileOpen;

 private:
  std::vector<Shown> shown_;
};

// Popup menus that "choose" the item a test names.
class ScriptedPopupMenus : public forms::PopupMenuService {
 public:
  struct Shown {
    std::string menu;
    std::uintptr_t owner = 0;
    // Captions as the platform shows them: "-" for a separator, a shortcut after a tab.
    std::vector<std::string> items;
  };
  int Track(const forms::Menu& menu, std::uintptr_t owner) override;
  const std::vector<Shown>& History() const { return shown_; }
  // The name of the item the next menu returns; empty dismisses it. Used once.
  std::string choice;
  // Runs while the next menu is "open", as events do inside its modal loop.
  std::function<void()> whileOpen;

 private:
  std::vector<Shown> shown_;
};

// Window procedures as the platform chains them, for windows that have no procedure at all:
// each window starts with its "own" procedure, OwnProcedure(window).
class HeadlessWindowHooks : public forms::WindowProcedureHooks {
 public:
  struct Message {
    std::uintptr_t procedure = 0;
    std::uintptr_t window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    friend bool operator==(const Message&, const Message&) = default;
  };
  static constexpr std::uintptr_t OwnProcedure(std::uintptr_t window) { return 0x7000000u + window; }

  std::uintptr_t Install(std::uintptr_t window, Filter filter) override;
  // Records the message as handled by that procedure; returns savedResult.
  std::intptr_t CallSaved(std::uintptr_t saved, std::uintptr_t window, std::uint32_t message,
                          std::uintptr_t wParam, std::intptr_t lParam) override;
  void Restore(std::uintptr_t window, std::uintptr_t saved) override;

  // The platform sending the window a message: the filter sees it when one is installed.
  std::intptr_t Deliver(std::uintptr_t window, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam);
  // The procedure the window has at the moment.
  std::uintptr_t Current(std::uintptr_t window) const;
  bool IsHooked(std::uintptr_t window) const { return filters_.count(window) != 0; }

  // Messages that reached a saved procedure, in order.
  std::vector<Message> passedOn;
  std::intptr_t savedResult = 0;
  std::function<void()> onRestore;

 private:
  std::map<std::uintptr_t, std::uintptr_t> current_;
  std::map<std::uintptr_t, std::shared_ptr<Filter>> filters_;
  std::uintptr_t nextHook_ = 0x9000000u;
};

class HeadlessEventLoop : public forms::EventLoop {
 public:
  void DoEvents() override;
  void Quit() override { quitRequested_ = true; }
  bool Quitting() const override { return quitRequested_; }
  bool QuitRequested() const { return quitRequested_; }
  int DoEventsCalls() const { return doEventsCalls_; }
  // Runs inside each DoEvents, as pending events would.
  std::function<void()> pendingEvents;

 private:
  bool quitRequested_ = false;
  int doEventsCalls_ = 0;
};

class FixedApplication : public forms::Application {
 public:
  std::string Folder() override { return folder; }
  std::string ExeName() override { return exeName; }
  Size ScreenSize() override { return screen; }
  int ScreenDpi() override { return dpi; }
  std::string folder = "C:\\Program Files\\Zorvane";
  std::string exeName = "Zorvane";
  Size screen{1920, 1080};
  int dpi = kStandardDpi;
};

// Pictures as drawn for 96 dpi, by name; at another dpi each is resized smoothly once and kept.
class MapPictureSource : public forms::PictureSource {
 public:
  const Picture* Find(std::string_view name, int dpi) override;
  std::map<std::string, Picture, std::less<>> pictures;

 private:
  std::map<std::pair<std::string, int>, Picture> resized_;
};

// The classic Windows defaults.
class DefaultSystemColors : public forms::SystemColors {
 public:
  Color Get(int index) override;
};

// Records what the model asked each control's peer to mirror.
class RecordingPeer : public forms::FormPeer {
 public:
  void Changed(forms::Change what) override {
    changes.push_back(what);
    if (onChanged) onChanged(what);
  }
  std::uintptr_t Handle() const override { return handle; }
  void Activate() override { ++activations; }
  void Destroy() override {
    destroyed = true;
    if (release) release();
    if (onDestroy) onDestroy();
  }
  std::vector<forms::Change> changes;
  std::uintptr_t handle = 0;
  int activations = 0;
  bool destroyed = false;
  std::function<void()> onDestroy;
  // Sees each change as it comes, e.g. to put changes of several controls in one order.
  std::function<void(forms::Change)> onChanged;
  // The backend's own: lets go of the form's controls, as the platform does when the window goes.
  std::function<void()> release;
};

// A check box's peer also keeps the state the box shows, as the real control would.
class RecordingCheckBoxPeer : public RecordingPeer {
 public:
  explicit RecordingCheckBoxPeer(const forms::CheckBox& box)
      : shownValue(box.Value()), shownFlat(box.Flat()), box_(box) {}
  void Changed(forms::Change what) override {
    RecordingPeer::Changed(what);
    shownValue = box_.Value();
    shownFlat = box_.Flat();
  }
  int shownValue;
  bool shownFlat;

 private:
  const forms::CheckBox& box_;
};

class RecordingTextPeer : public forms::TextBoxPeer {
 public:
  void Changed(forms::Change what) override { changes.push_back(what); }
  std::string ReadText() override { return screenText; }
  void AppendText(std::string_view text) override {
    screenText += text;
    ++appends;
  }
  void SetSelectionStart(std::size_t position) override { selection = position; }
  std::vector<forms::Change> changes;
  std::string screenText;
  std::size_t selection = 0;
  int appends = 0;
};

// Gives every control of a form a recording peer, then runs the form's load handler.
class HeadlessBackend : public forms::FormsBackend {
 public:
  void Load(forms::Form& form) override;
  // The focus and the keys of every form loaded here; self-drawn controls' SendTab goes to it.
  HeadlessKeyboard& Keyboard() { return keyboard_; }
  // A click with the left button in the middle of the control, as the platform delivers it: a control
  // that takes the focus takes it first.
  void Click(forms::Control& control);
  RecordingPeer* PeerOf(const forms::Control& control);
  RecordingTextPeer* TextPeerOf(const forms::Control& control);
  HeadlessSurface* SurfaceOf(const forms::Control& control);
  // Changes the model asked for since the last call, over every control.
  std::size_t TakeChangeCount();

 private:
  void Attach(forms::Control& control);
  // The form's window is gone: self-drawn controls lose their surfaces and nothing keeps the focus.
  void Release(const forms::Container& container);
  std::map<const forms::Control*, std::unique_ptr<RecordingPeer>> peers_;
  std::map<const forms::Control*, std::unique_ptr<RecordingTextPeer>> textPeers_;
  std::map<const forms::Control*, std::unique_ptr<HeadlessSurface>> surfaces_;
  HostTextRenderer text_;  // self-drawn controls measure and draw text with it
  HeadlessKeyboard keyboard_;
  std::uintptr_t nextHandle_ = 0x1000;
};

// Everything a form needs, wired together.
struct HeadlessRuntime {
  HostTextRenderer text;
  VirtualClockTimers timers;
  ScriptedMessageBoxes messages;
  HeadlessEventLoop loop;
  FixedApplication app;
  MapPictureSource pictures;
  DefaultSystemColors colors;
  ScriptedPopupMenus menus;
  HeadlessWindowHooks hooks;
  HeadlessBackend backend;
  forms::Runtime runtime{&text,     &timers, &messages, &loop,  &app,
                         &pictures, &colors, &menus,    &hooks, &backend};
};

}  // namespace zv::headless
