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
#include "platform/forms/runtime.h"
#include "platform/host_text_renderer.h"

namespace zv::headless {

// Timers tick when the test advances the clock; no sleeping, fully deterministic.
class VirtualClockTimers : public forms::TimerService {
 public:
  void Start(forms::Timer& timer, int intervalMs) override;
  void Stop(forms::Timer& timer) override;
  // Moves the clock forward, firing each due tick in time order (timers started earlier first on ties).
  void Advance(std::int64_t ms);
  std::int64_t Now() const { return now_; }
  bool IsRunning(const forms::Timer& timer) const;

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
  std::string folder = "C:\\Program Files\\Zorvane";
  std::string exeName = "Zorvane";
  Size screen{1920, 1080};
};

class MapPictureSource : public forms::PictureSource {
 public:
  const Picture* Find(std::string_view name) override;
  std::map<std::string, Picture, std::less<>> pictures;
};

// The classic Windows defaults.
class DefaultSystemColors : public forms::SystemColors {
 public:
  Color Get(int index) override;
};

// Records what the model asked each control's peer to mirror.
class RecordingPeer : public forms::FormPeer {
 public:
  void Changed(forms::Change what) override { changes.push_back(what); }
  std::uintptr_t Handle() const override { return handle; }
  void Activate() override { ++activations; }
  void Destroy() override { destroyed = true; }
  std::vector<forms::Change> changes;
  std::uintptr_t handle = 0;
  int activations = 0;
  bool destroyed = false;
};

class RecordingTextPeer : public forms::TextBoxPeer {
 public:
  void Changed(forms::Change what) override { changes.push_back(what); }
  std::string ReadText() override { return screenText; }
  void AppendText(std::string_view text) override { screenText += text; ++appends; }
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
  RecordingPeer* PeerOf(const forms::Control& control);
  RecordingTextPeer* TextPeerOf(const forms::Control& control);
  // Changes the model asked for since the last call, over every control.
  std::size_t TakeChangeCount();

 private:
  void Attach(forms::Control& control);
  std::map<const forms::Control*, std::unique_ptr<RecordingPeer>> peers_;
  std::map<const forms::Control*, std::unique_ptr<RecordingTextPeer>> textPeers_;
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
  HeadlessBackend backend;
  forms::Runtime runtime{&text, &timers, &messages, &loop, &app, &pictures, &colors};
};

}  // namespace zv::headless
