// A self-drawn control for the contract tests that writes down the keys and focus changes it is told
// about, and moves the focus with the arrow keys as the skinned button does.
#pragma once

#include <string>
#include <vector>

#include "platform/forms/definition.h"
#include "platform/forms/hosted_control.h"
#include "platform/forms/keys.h"

namespace zv::contract {

// Self-drawn classes of the contract forms.
constexpr const char* kProbeClass = "Contract.KeyProbe";
constexpr const char* kPassiveProbeClass = "Contract.PassiveProbe";  // not a tab stop

class KeyProbe final : public forms::HostedControl {
 public:
  KeyProbe(forms::ControlHost& host, std::string name, int index, std::vector<std::string>& log, bool tabStop)
      : HostedControl(host, std::move(name), index), log_(log), tabStop_(tabStop) {}

  void InitProperties() override {}
  void ReadProperties(const forms::PropertyBag& /*bag*/) override {}
  void WriteProperties(forms::PropertyBag& /*bag*/) const override {}

  bool TabStop() const override { return tabStop_; }
  bool WantsArrows() const override { return true; }

  void OnKeyDown(int keyCode, int shift) override {
    Write("down", keyCode, shift);
    forms::HostedSurface* surface = Surface();
    if (surface == nullptr || !forms::key::IsArrow(keyCode)) return;
    surface->SendTab(keyCode == forms::key::kLeft || keyCode == forms::key::kUp);
  }
  void OnKeyPress(int keyAscii) override { Write("press", keyAscii, 0); }
  void OnKeyUp(int keyCode, int shift) override { Write("up", keyCode, shift); }
  void OnGotFocus() override { log_.push_back(Name() + " got focus"); }
  void OnLostFocus() override { log_.push_back(Name() + " lost focus"); }
  void OnClick() override { log_.push_back(Name() + " click"); }

 private:
  void Write(const char* what, int code, int shift) {
    log_.push_back(Name() + " " + what + " " + std::to_string(code) + (shift != 0 ? " shift" : ""));
  }
  std::vector<std::string>& log_;
  bool tabStop_;
};

// Makes the probes of a definition, hosted by `host`; they write to `log`.
inline forms::HostedFactory ProbeFactory(forms::ControlHost& host, std::vector<std::string>& log) {
  return [&host, &log](const forms::ControlDefinition& d, forms::Container& parent) -> forms::HostedControl* {
    if (d.hostedType == kProbeClass) return &parent.Add<KeyProbe>(host, d.name, d.index, log, true);
    if (d.hostedType == kPassiveProbeClass) return &parent.Add<KeyProbe>(host, d.name, d.index, log, false);
    return nullptr;
  };
}

}  // namespace zv::contract
