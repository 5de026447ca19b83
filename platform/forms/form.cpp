// Forms: timers they own and the show, hide and unload life cycle.
#include "platform/forms/form.h"

#include "platform/forms/hosted_control.h"

namespace zv::forms {
namespace {

void TellHostedControls(const Container& container) {
  for (const auto& child : container.Children()) {
    if (child->Kind() == ControlKind::Hosted) static_cast<HostedControl&>(*child).OnDpiChanged();
    if (const auto* inner = dynamic_cast<const Container*>(child.get())) TellHostedControls(*inner);
  }
}

}  // namespace

Form::Form(Runtime& runtime, std::string name)
    : Container(ControlKind::Form, std::move(name), -1),
      text_(Required(runtime.text)),
      timerService_(Required(runtime.timers)),
      dpi_(runtime.app != nullptr ? runtime.app->ScreenDpi() : kStandardDpi) {
  SetVisible(false);
}

Form::~Form() {
  timers_.clear();
  if (formPeer_ != nullptr && !unloaded_) formPeer_->Destroy();
}

void Form::SetDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return;
  dpi_ = dpi;
  NotifyTree(Change::Bounds);
  TellHostedControls(*this);
}

Size Form::ClientTwips() const {
  return {PixelsToTwips(designClientSize_.width), PixelsToTwips(designClientSize_.height)};
}

Size Form::ClientSize() const {
  const Size twips = ClientTwips();
  return {TwipsToPixels(twips.width, dpi_), TwipsToPixels(twips.height, dpi_)};
}

Timer& Form::AddTimer(std::string name) {
  timers_.push_back(std::make_unique<Timer>(timerService_, std::move(name)));
  return *timers_.back();
}

Timer* Form::FindTimer(std::string_view name) const {
  for (const auto& t : timers_) {
    if (t->Name() == name) return t.get();
  }
  return nullptr;
}

void Form::Show() {
  if (unloaded_) return;
  SetVisible(true);
  if (formPeer_ != nullptr) formPeer_->Activate();
}

void Form::Hide() { SetVisible(false); }

void Form::Unload() {
  if (unloaded_) return;
  for (auto& t : timers_) t->SetEnabled(false);
  unloaded_ = true;
  if (formPeer_ != nullptr) formPeer_->Destroy();
}

}  // namespace zv::forms
