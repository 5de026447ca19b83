// The contract tests' backend over the headless runtime: virtual time, the headless keyboard and the
// recording peers.
#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headless_runtime.h"
#include "tests/contract/contract_backend.h"

namespace zv::contract {
namespace {

// Each pass of the event loop lets this much virtual time pass, as waiting for the next event would.
constexpr int kStepMs = 5;
// How long PumpUntil waits, in virtual time.
constexpr int kBudgetMs = 10000;

// A message box that stays open, serving events, until it is closed (or the budget runs out).
class ModalMessageBoxes final : public forms::MessageBoxService {
 public:
  explicit ModalMessageBoxes(ContractBackend& backend) : backend_(backend) {}
  void Show(std::string_view, forms::MessageIcon) override {
    const int level = ++open_;
    backend_.PumpUntil([&] { return open_ < level; });
    if (open_ >= level) open_ = level - 1;
  }
  void Close() {
    if (open_ > 0) --open_;
  }

 private:
  ContractBackend& backend_;
  int open_ = 0;
};

class HeadlessContractBackend final : public ContractBackend {
 public:
  HeadlessContractBackend() {
    host_.loop.pendingEvents = [this] { host_.timers.Advance(kStepMs); };
    host_.runtime.messages = &boxes_;
  }
  ~HeadlessContractBackend() override { forms_.clear(); }

  std::string Name() const override { return "headless"; }
  forms::Runtime& Runtime() override { return host_.runtime; }

  forms::Form& Open(const forms::FormDefinition& definition, const forms::HostedFactory& hosted) override {
    forms_.push_back(std::make_unique<forms::Form>(host_.runtime, definition.name));
    forms::Form& form = *forms_.back();
    EXPECT_TRUE(forms::BuildForm(definition, form, hosted)) << definition.name;
    host_.backend.Load(form);
    form.Show();
    return form;
  }

  void Focus(forms::Control& control) override { host_.backend.Keyboard().SetFocus(&control); }
  std::string FocusedName() override {
    forms::Control* focus = host_.backend.Keyboard().Focused();
    return focus != nullptr ? focus->Name() : std::string();
  }
  void PressKey(int keyCode, int modifiers) override {
    host_.backend.Keyboard().Press(*forms_.back(), keyCode, modifiers);
  }
  void Click(forms::Control& control) override { host_.backend.Click(control); }
  void TypeAtEnd(forms::TextBox& box, std::string_view text) override {
    host_.backend.Keyboard().SetFocus(&box);
    headless::RecordingTextPeer& peer = *host_.backend.TextPeerOf(box);
    peer.screenText += text;
    peer.selection = peer.screenText.size();
    box.UserEdited();
  }

  bool PumpUntil(const std::function<bool()>& done) override {
    for (int spent = 0; spent < kBudgetMs; spent += kStepMs) {
      if (done()) return true;
      host_.loop.DoEvents();
    }
    return done();
  }
  void PumpFor(int milliseconds) override {
    for (int spent = 0; spent < milliseconds; spent += kStepMs) host_.loop.DoEvents();
  }
  void CloseMessageBox() override { boxes_.Close(); }
  void MoveToDpi(forms::Form& form, int dpi) override { form.SetDpi(dpi); }

  int ShownCheckState(forms::CheckBox& box) override { return CheckPeer(box).shownValue; }
  bool ShownFlat(forms::CheckBox& box) override { return CheckPeer(box).shownFlat; }
  // Nothing lies between the model and the screen here.
  bool ShownEnabled(forms::Control& control) override { return control.Enabled(); }
  Size ShownClientSize(forms::Form& form) override { return form.ClientSize(); }
  Rect ShownBounds(forms::Control& control) override { return control.PixelBounds(); }
  int ShownFontHeight(forms::Control&) override { return 0; }
  std::string ShownText(forms::TextBox& box) override { return host_.backend.TextPeerOf(box)->screenText; }
  std::size_t ShownCaret(forms::TextBox& box) override { return host_.backend.TextPeerOf(box)->selection; }
  // A surface repaints whatever its own peer or a windowless control on it was told to mirror.
  int Paints(forms::Container& surface) override {
    std::size_t paints = host_.backend.PeerOf(surface)->changes.size();
    for (const auto& child : surface.Children()) {
      if (child->IsWindowless()) paints += host_.backend.PeerOf(*child)->changes.size();
    }
    return static_cast<int>(paints);
  }

 private:
  headless::RecordingCheckBoxPeer& CheckPeer(forms::CheckBox& box) {
    return static_cast<headless::RecordingCheckBoxPeer&>(*host_.backend.PeerOf(box));
  }

  headless::HeadlessRuntime host_;
  ModalMessageBoxes boxes_{*this};
  std::vector<std::unique_ptr<forms::Form>> forms_;
};

}  // namespace

std::unique_ptr<ContractBackend> MakeContractBackend() { return std::make_unique<HeadlessContractBackend>(); }

}  // namespace zv::contract
