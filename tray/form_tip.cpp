// The mini status window: placement on load, the mirror timer and its mouse handling.
#include "tray/form_tip.h"

#include <cstdlib>

#include "forms/tip_definition.h"

namespace zv::tray {
namespace {

forms::Label* RequireLabel(forms::Form& form, std::string_view name) {
  forms::Control* c = form.Find(name);
  // The definition is fixed data; a missing label is a defect of the build.
  if (c == nullptr || c->Kind() != forms::ControlKind::Label) std::abort();
  return static_cast<forms::Label*>(c);
}

void Run(const std::function<void()>& action) {
  if (action) action();
}

}  // namespace

Point TipPlacement(Size screenPixels, Size windowTwips, int dpi) {
  const int top = PixelsToTwips(screenPixels.height, dpi) - windowTwips.height - 800;
  const int left = PixelsToTwips(screenPixels.width, dpi) - windowTwips.width - 500;
  return {left, top};
}

FormTip::FormTip(forms::Runtime& runtime, platform::WindowMessages& windows, const forms::Label& mainPercent,
                 TipActions actions)
    : backend_(forms::Required(runtime.backend)),
      app_(forms::Required(runtime.app)),
      windows_(windows),
      mainPercent_(mainPercent),
      actions_(std::move(actions)),
      form_(runtime, "FormTip") {
  if (!forms::BuildForm(definitions::FormTipDefinition(), form_)) std::abort();
  labelUsage_ = RequireLabel(form_, "LabelUsage");
  labelMemoryUsedPercent_ = RequireLabel(form_, "LabelMemoryUsedPercent");
  timerSame_ = form_.FindTimer("TimerSame");
  if (timerSame_ == nullptr) std::abort();
  WireEvents();
}

void FormTip::WireEvents() {
  using forms::MouseEvent;
  form_.onLoad = [this] { Form_Load(); };
  // A close request (Alt+F4) would leave a window the program never unloads; it is ignored.
  form_.onCloseRequest = [] {};
  timerSame_->onTimer = [this] { TimerSame_Timer(); };
  form_.onMouseDown = [this](MouseEvent& e) { Form_MouseDown(e.button, e.shift, e.x, e.y); };
  form_.onMouseMove = [this](MouseEvent& e) { Form_MouseMove(e.button, e.shift, e.x, e.y); };
  form_.onDblClick = [this] { Form_DblClick(); };
  labelUsage_->onMouseDown = [this](MouseEvent& e) { LabelUsage_MouseDown(e.button, e.shift, e.x, e.y); };
  labelUsage_->onDblClick = [this] { LabelUsage_DblClick(); };
  labelMemoryUsedPercent_->onMouseDown = [this](MouseEvent& e) {
    LabelMemoryUsedPercent_MouseDown(e.button, e.shift, e.x, e.y);
  };
  labelMemoryUsedPercent_->onDblClick = [this] { LabelMemoryUsedPercent_DblClick(); };
}

void FormTip::EnsureLoaded() {
  if (form_.Loaded() || form_.Unloaded()) return;
  backend_.Load(form_);
}

void FormTip::Show() {
  EnsureLoaded();
  form_.Show();
}

void FormTip::Hide() {
  EnsureLoaded();
  form_.Hide();
}

void FormTip::Unload() {
  if (form_.Loaded()) form_.Unload();
}

// Placed once per load; later hiding and showing keep where the user dragged it.
void FormTip::Form_Load() {
  const Size window = form_.ClientTwips();
  const Point place = TipPlacement(app_.ScreenSize(), window, form_.Dpi());
  form_.Move(place.x, place.y, window.width, window.height);
  windows_.SetTopmost(form_.Handle());
}

void FormTip::TimerSame_Timer() { MirrorUsage(); }

void FormTip::MirrorUsage() { labelMemoryUsedPercent_->SetCaption(mainPercent_.Caption()); }

void FormTip::Form_MouseDown(int button, int, float, float) {
  if (button == forms::kRightButton) Run(actions_.showTrayMenu);
}

// On the background the drag starts with the first move while the left button is held.
void FormTip::Form_MouseMove(int button, int, float, float) {
  if ((button & forms::kLeftButton) != 0) StartDragMove();
}

void FormTip::LabelMouseDown(int button) {
  if (button == forms::kLeftButton) {
    StartDragMove();
  } else if (button == forms::kRightButton) {
    Run(actions_.showTrayMenu);
  }
}

void FormTip::LabelUsage_MouseDown(int button, int, float, float) { LabelMouseDown(button); }
void FormTip::LabelMemoryUsedPercent_MouseDown(int button, int, float, float) { LabelMouseDown(button); }

void FormTip::Form_DblClick() { Run(actions_.showMainWindow); }
void FormTip::LabelUsage_DblClick() { Run(actions_.showMainWindow); }
void FormTip::LabelMemoryUsedPercent_DblClick() { Run(actions_.showMainWindow); }

void FormTip::StartDragMove() { windows_.StartDragMove(form_.Handle()); }

}  // namespace zv::tray
