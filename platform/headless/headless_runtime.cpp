// The headless forms runtime used by host tests and tools.
#include "platform/headless/headless_runtime.h"

#include <algorithm>
#include <utility>

#include "platform/forms/controls.h"
#include "platform/forms/keys.h"
#include "platform/forms/tab_order.h"
#include "platform/picture_scaling.h"

namespace zv::headless {

void VirtualClockTimers::Start(forms::Timer& timer, int intervalMs) {
  Stop(timer);
  entries_.push_back({&timer, intervalMs, now_ + intervalMs, nextOrder_++});
}

void VirtualClockTimers::Stop(forms::Timer& timer) {
  std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

bool VirtualClockTimers::IsRunning(const forms::Timer& timer) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.timer == &timer; });
}

void VirtualClockTimers::Advance(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  for (;;) {
    auto next = std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
      return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    if (next == entries_.end() || next->due > end) break;
    now_ = next->due;
    next->due += next->interval;
    forms::Timer* timer = next->timer;  // the handler may start or stop timers
    timer->Tick();
  }
  // A handler that ran a nested event loop may have moved the clock past this call's end.
  now_ = std::max(now_, end);
}

void ScriptedMessageBoxes::Show(std::string_view text, forms::MessageIcon icon) {
  shown_.push_back({std::string(text), icon});
  if (whileOpen) {
    auto once = std::move(whileOpen);
    whileOpen = nullptr;
    once();
  }
}

int ScriptedPopupMenus::Track(const forms::Menu& menu, std::uintptr_t owner) {
  Shown shown{menu.Name(), owner, {}};
  for (std::size_t i = 0; i < menu.Count(); ++i) {
    const forms::MenuItem& item = menu.Item(i);
    shown.items.push_back(item.Shortcut().empty() ? item.Caption() : item.Caption() + "\t" + item.Shortcut());
  }
  shown_.push_back(std::move(shown));
  const std::string chosen = std::exchange(choice, {});
  if (whileOpen) {
    auto once = std::move(whileOpen);
    whileOpen = nullptr;
    once();
  }
  for (std::size_t i = 0; i < menu.Count(); ++i) {
    if (!chosen.empty() && menu.Item(i).Name() == chosen) return static_cast<int>(i);
  }
  return -1;
}

std::uintptr_t HeadlessWindowHooks::Install(std::uintptr_t window, Filter filter) {
  const std::uintptr_t previous = Current(window);
  current_[window] = nextHook_++;
  filters_[window] = std::make_shared<Filter>(std::move(filter));
  return previous;
}

std::intptr_t HeadlessWindowHooks::CallSaved(std::uintptr_t saved, std::uintptr_t window,
                                             std::uint32_t message, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
  passedOn.push_back({saved, window, message, wParam, lParam});
  return savedResult;
}

void HeadlessWindowHooks::Restore(std::uintptr_t window, std::uintptr_t saved) {
  current_[window] = saved;
  filters_.erase(window);
  if (onRestore) onRestore();
}

std::intptr_t HeadlessWindowHooks::Deliver(std::uintptr_t window, std::uint32_t message,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
  auto it = filters_.find(window);
  if (it == filters_.end()) return CallSaved(Current(window), window, message, wParam, lParam);
  // The filter may restore the window's procedure while it runs.
  const std::shared_ptr<Filter> filter = it->second;
  return (*filter)(window, message, wParam, lParam);
}

std::uintptr_t HeadlessWindowHooks::Current(std::uintptr_t window) const {
  auto it = current_.find(window);
  return it == current_.end() ? OwnProcedure(window) : it->second;
}

void HeadlessEventLoop::DoEvents() {
  ++doEventsCalls_;
  if (pendingEvents) pendingEvents();
}

const Picture* MapPictureSource::Find(std::string_view name, int dpi) {
  auto it = pictures.find(name);
  if (it == pictures.end()) return nullptr;
  const Picture& drawn = it->second;
  const Size size = PictureSizeAt({drawn.width, drawn.height}, dpi);
  if (size == Size{drawn.width, drawn.height}) return &drawn;
  auto [resized, added] = resized_.try_emplace({std::string(name), dpi});
  if (added) resized->second = ResizeSmooth(drawn, size);
  return &resized->second;
}

Color DefaultSystemColors::Get(int index) {
  switch (index) {
    case syscolor::kWindow:
      return 0xFFFFFF;
    case syscolor::kWindowText:
    case syscolor::kButtonText:
      return 0x000000;
    case syscolor::kButtonFace:
      return 0xC0C0C0;
    case syscolor::kButtonShadow:
      return 0x808080;
    case syscolor::kButtonHighlight:
      return 0xFFFFFF;
    case syscolor::kDarkShadow3D:
      return 0x404040;
    case syscolor::kLight3D:
      return 0xDFDFDF;
    default:
      return 0x000000;
  }
}

void HeadlessBackend::Attach(forms::Control& control) {
  if (control.Kind() == forms::ControlKind::Hosted) {
    auto& hosted = static_cast<forms::HostedControl&>(control);
    auto surface = std::make_unique<HeadlessSurface>(hosted, text_);
    surface->onSendTab = [this, &control](bool backward) {
      if (forms::Form* form = control.OwnerForm())
        keyboard_.Send(*form, forms::key::kTab, backward ? forms::kShiftMask : 0);
    };
    surfaces_[&control] = std::move(surface);
    return;
  }
  if (control.Kind() == forms::ControlKind::TextBox) {
    auto peer = std::make_unique<RecordingTextPeer>();
    static_cast<forms::TextBox&>(control).AttachTextPeer(peer.get());
    textPeers_[&control] = std::move(peer);
  } else {
    auto peer = control.Kind() == forms::ControlKind::CheckBox
                    ? std::make_unique<RecordingCheckBoxPeer>(static_cast<forms::CheckBox&>(control))
                    : std::make_unique<RecordingPeer>();
    peer->handle = nextHandle_++;
    if (control.Kind() == forms::ControlKind::Form) {
      auto& form = static_cast<forms::Form&>(control);
      peer->release = [this, &form] { Release(form); };
      form.AttachFormPeer(peer.get());
    } else {
      control.AttachPeer(peer.get());
    }
    peers_[&control] = std::move(peer);
  }
  if (control.Kind() == forms::ControlKind::Form || control.Kind() == forms::ControlKind::PictureBox) {
    for (const auto& child : static_cast<forms::Container&>(control).Children()) Attach(*child);
  }
}

void HeadlessBackend::Release(const forms::Container& container) {
  for (const auto& child : container.Children()) {
    keyboard_.Forget(*child);
    surfaces_.erase(child.get());
    if (child->Kind() == forms::ControlKind::PictureBox)
      Release(static_cast<const forms::Container&>(*child));
  }
}

void HeadlessBackend::Load(forms::Form& form) {
  Attach(form);
  if (form.onLoad) form.onLoad();
}

void HeadlessBackend::Click(forms::Control& control) {
  if (!control.Visible() || !control.Enabled()) return;
  if (forms::CanTakeFocus(control)) keyboard_.SetFocus(&control);
  const Rect r = control.PixelBounds();
  const Point middle{r.left + r.Width() / 2, r.top + r.Height() / 2};
  switch (control.Kind()) {
    case forms::ControlKind::Hosted: {
      auto& hosted = static_cast<forms::HostedControl&>(control);
      const float x = float(middle.x - r.left);
      const float y = float(middle.y - r.top);
      hosted.OnMouseDown(forms::kLeftButton, 0, x, y);
      hosted.OnMouseUp(forms::kLeftButton, 0, x, y);
      hosted.OnClick();
      break;
    }
    case forms::ControlKind::CheckBox:
      static_cast<forms::CheckBox&>(control).UserToggle();
      break;
    case forms::ControlKind::Button:
      control.RaiseClick();
      break;
    default:
      if (forms::Container* surface = control.Parent(); surface != nullptr && control.IsWindowless()) {
        surface->RouteMouseDown(forms::kLeftButton, 0, middle);
        surface->RouteMouseUp(forms::kLeftButton, 0, middle);
      }
      break;
  }
}

RecordingPeer* HeadlessBackend::PeerOf(const forms::Control& control) {
  auto it = peers_.find(&control);
  return it == peers_.end() ? nullptr : it->second.get();
}

HeadlessSurface* HeadlessBackend::SurfaceOf(const forms::Control& control) {
  auto it = surfaces_.find(&control);
  return it == surfaces_.end() ? nullptr : it->second.get();
}

RecordingTextPeer* HeadlessBackend::TextPeerOf(const forms::Control& control) {
  auto it = textPeers_.find(&control);
  return it == textPeers_.end() ? nullptr : it->second.get();
}

std::size_t HeadlessBackend::TakeChangeCount() {
  std::size_t count = 0;
  for (auto& [control, peer] : peers_) {
    count += peer->changes.size();
    peer->changes.clear();
  }
  for (auto& [control, peer] : textPeers_) {
    count += peer->changes.size();
    peer->changes.clear();
  }
  return count;
}

}  // namespace zv::headless
