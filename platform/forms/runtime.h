// Services of the forms runtime that windows, controls and handlers rely on.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/picture.h"

namespace zv::forms {

class Form;
class FormsBackend;
class Menu;
class Timer;

enum class MessageIcon { None, Information };

// Modal message boxes captioned with the application title, OK button only.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Returns when the user closed the box; events keep being served meanwhile.
  virtual void Show(std::string_view text, MessageIcon icon) = 0;
};

class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // Handles every pending event, then returns.
  virtual void DoEvents() = 0;
  // Ends the program's message loop once the current event has been handled.
  virtual void Quit() = 0;
  // Quit was asked for: nested loops (a release pass, a message box) should unwind.
  virtual bool Quitting() const = 0;
};

// Runs the ticks of window timers on the user-interface thread.
class TimerService {
 public:
  virtual ~TimerService() = default;
  virtual void Start(Timer& timer, int intervalMs) = 0;
  virtual void Stop(Timer& timer) = 0;
};

class Application {
 public:
  virtual ~Application() = default;
  static constexpr std::string_view kTitle = "Zorvane";
  // The executable's folder, without a trailing separator except at a drive root.
  virtual std::string Folder() = 0;
  // The executable's file name without its extension.
  virtual std::string ExeName() = 0;
  // The primary screen in pixels.
  virtual Size ScreenSize() = 0;
  // The dots per inch new windows are laid out at.
  virtual int ScreenDpi() = 0;
};

// The pictures of the window definitions, by name (e.g. "skin").
class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // The picture as it shows at `dpi`; null when there is no such picture. The picture stays valid until the
  // next Trim.
  virtual const Picture* Find(std::string_view name, int dpi) = 0;
  // Called when a paint has ended: a source may drop pictures it can make again.
  virtual void Trim() {}
};

// Resolves system colours (0x800000nn) to the colour the platform uses at this moment.
class SystemColors {
 public:
  virtual ~SystemColors() = default;
  virtual Color Get(int index) = 0;
  Color Resolve(Color c) { return IsSystemColor(c) ? Get(SystemColorIndex(c)) : c; }
};

// Popup menus at the mouse position, modal.
class PopupMenuService {
 public:
  virtual ~PopupMenuService() = default;
  // Shows the menu with its top-left corner at the cursor, items chosen with the left button,
  // and returns when it closed: the position of the chosen item, or -1 when it was dismissed.
  // Events keep being served meanwhile. The owner window receives the menu's messages.
  virtual int Track(const Menu& menu, std::uintptr_t owner) = 0;
};

// A filter put in front of a top-level window's own procedure: it sees every message of the
// window first and passes on what it does not handle through CallSaved.
class WindowProcedureHooks {
 public:
  using Filter = std::function<std::intptr_t(std::uintptr_t window, std::uint32_t message,
                                             std::uintptr_t wParam, std::intptr_t lParam)>;
  virtual ~WindowProcedureHooks() = default;
  // Returns the procedure the window had until now (0 when the window is unknown).
  virtual std::uintptr_t Install(std::uintptr_t window, Filter filter) = 0;
  // Hands a message to a procedure that Install returned.
  virtual std::intptr_t CallSaved(std::uintptr_t saved, std::uintptr_t window, std::uint32_t message,
                                  std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // Gives the window the procedure back and forgets the filter; allowed inside the filter itself.
  virtual void Restore(std::uintptr_t window, std::uintptr_t saved) = 0;
};

// The services are pointers because a backend and the runtime refer to each other while they are
// wired up; every one is set before the first form is built. Users take each one they need once,
// through Required, and keep the reference.
struct Runtime {
  TextRenderer* text = nullptr;  // measures captions
  TimerService* timers = nullptr;
  MessageBoxService* messages = nullptr;
  EventLoop* loop = nullptr;
  Application* app = nullptr;
  PictureSource* pictures = nullptr;
  SystemColors* colors = nullptr;
  PopupMenuService* menus = nullptr;
  WindowProcedureHooks* hooks = nullptr;
  // Realises the windows loaded after the start-up window.
  FormsBackend* backend = nullptr;
};

// A service its user cannot work without: a missing one is a defect of the program's wiring.
template <class Service>
Service& Required(Service* service) {
  if (service == nullptr) std::abort();
  return *service;
}

}  // namespace zv::forms
