// Start-up, pages, chrome and links of the main window.
#include "mainwindow/form_velkan.h"

#include "forms/velkan_definition.h"
#include "mainwindow/control_lookup.h"
#include "memory/taskbar.h"
#include "platform/forms/keys.h"

namespace zv::mainwindow {
namespace {

constexpr const char* kIntervalEntries[] = {"1 分钟", "3 分钟", "5 分钟", "10 分钟"};
constexpr const char* kDefaultInterval = "5 分钟";
constexpr const char* kUnknownError = "Unknown error!";

}  // namespace

FormVelkan::FormVelkan(forms::Runtime& runtime, MainWindowServices services)
    : runtime_(runtime),
      app_(forms::Required(runtime.app)),
      loop_(forms::Required(runtime.loop)),
      messages_(forms::Required(runtime.messages)),
      hooks_(forms::Required(runtime.hooks)),
      services_(services),
      controlHost_(forms::Required(runtime.colors), forms::Required(runtime.timers)),
      monitorSupport_({services.counters, services.memory, services.registry, messages_}),
      form_(runtime, "FormVelkan"),
      memoryStats_(services.memory, services.regional) {
  const forms::HostedFactory hosted = [this](const forms::ControlDefinition& d, forms::Container& parent) {
    return CreateHostedControl(d, parent);
  };
  if (!forms::BuildForm(definitions::FormVelkanDefinition(), form_, hosted)) std::abort();
  // The strip chart is part of the fixed definition.
  if (cpuMonitor_ == nullptr) std::abort();
  for (int i = 0; i < 3; ++i) {
    imageMin_[i] = Require<forms::Image>(form_, "ImageMin", i);
    imageExit_[i] = Require<forms::Image>(form_, "ImageExit", i);
  }
  for (int i = 0; i < 2; ++i) {
    imageStatus_[i] = Require<forms::Image>(form_, "ImageStatus", i);
    imageRecords_[i] = Require<forms::Image>(form_, "ImageRecords", i);
    imageSettings_[i] = Require<forms::Image>(form_, "ImageSettings", i);
    imageAbout_[i] = Require<forms::Image>(form_, "ImageAbout", i);
  }
  pictureState_ = Require<forms::PictureBox>(form_, "PictureState");
  pictureRecords_ = Require<forms::PictureBox>(form_, "PictureRecords");
  pictureSettings_ = Require<forms::PictureBox>(form_, "PictureSettings");
  pictureAbout_ = Require<forms::PictureBox>(form_, "PictureAbout");
  labelState_ = Require<forms::Label>(form_, "LabelState");
  labelSettings2_ = Require<forms::Label>(form_, "LabelSettings2");
  labelHomePage_ = Require<forms::Label>(form_, "LabelHomePage");
  labelHomePage2_ = Require<forms::Label>(form_, "LabelHomePage2");
  labelAutoFreeMemory_ = Require<forms::Label>(form_, "LabelAutoFreeMemory");
  checkAutorun_ = Require<forms::CheckBox>(form_, "CheckAutorun");
  checkAutoMin_ = Require<forms::CheckBox>(form_, "CheckAutoMin");
  checkShowMiniWindow_ = Require<forms::CheckBox>(form_, "CheckShowMiniWindow");
  checkAutoFreeMemory_ = Require<forms::CheckBox>(form_, "CheckAutoFreeMemory");
  comboInterval_ = Require<forms::ComboBox>(form_, "ComboInterval");
  timerGetMemoryState_ = RequireTimer(form_, "TimerGetMemoryState");
  timerAutoFreeMemory_ = RequireTimer(form_, "TimerAutoFreeMemory");
  memoryLabels_ = {Require<forms::Label>(form_, "LabelMemoryUsedPercent"),
                   Require<forms::Label>(form_, "LabelMemoryAll"),
                   Require<forms::Label>(form_, "LabelMemoryLeft")};
  WireEvents();
  BindFreeMemoryControls();
}

void FormVelkan::WireEvents() {
  using forms::MouseEvent;
  form_.onLoad = [this] { Form_Load(); };
  form_.onCloseRequest = [this] { form_.Hide(); };
  form_.onKeyPreview = [this](int keyCode, int shift) { return Form_KeyPreview(keyCode, shift); };
  form_.onEndSession = [this] { EndProgram(); };
  form_.onMouseDown = [this](MouseEvent& e) { Form_MouseDown(e.button, e.shift, e.x, e.y); };
  form_.onMouseMove = [this](MouseEvent& e) { Form_MouseMove(e.button, e.shift, e.x, e.y); };
  timerGetMemoryState_->onTimer = [this] { TimerGetMemoryState_Timer(); };
  for (int i = 0; i < 3; ++i) {
    imageMin_[i]->onMouseMove = [this, i](MouseEvent& e) {
      ImageMin_MouseMove(i, e.button, e.shift, e.x, e.y);
    };
    imageMin_[i]->onMouseDown = [this, i](MouseEvent& e) {
      ImageMin_MouseDown(i, e.button, e.shift, e.x, e.y);
    };
    imageMin_[i]->onMouseUp = [this, i](MouseEvent& e) { ImageMin_MouseUp(i, e.button, e.shift, e.x, e.y); };
    imageExit_[i]->onMouseMove = [this, i](MouseEvent& e) {
      ImageExit_MouseMove(i, e.button, e.shift, e.x, e.y);
    };
    imageExit_[i]->onMouseDown = [this, i](MouseEvent& e) {
      ImageExit_MouseDown(i, e.button, e.shift, e.x, e.y);
    };
    imageExit_[i]->onMouseUp = [this, i](MouseEvent& e) {
      ImageExit_MouseUp(i, e.button, e.shift, e.x, e.y);
    };
  }
  for (int i = 0; i < 2; ++i) {
    imageStatus_[i]->onClick = [this, i] { ImageStatus_Click(i); };
    imageRecords_[i]->onClick = [this, i] { ImageRecords_Click(i); };
    imageSettings_[i]->onClick = [this, i] { ImageSettings_Click(i); };
    imageAbout_[i]->onClick = [this, i] { ImageAbout_Click(i); };
  }
  labelState_->onClick = [this] { LabelState_Click(); };
  labelSettings2_->onClick = [this] { LabelSettings2_Click(); };
  labelHomePage_->onClick = [this] { LabelHomePage_Click(); };
  labelHomePage2_->onClick = [this] { LabelHomePage2_Click(); };
  labelHomePage_->onMouseMove = [this](MouseEvent& e) {
    LabelHomePage_MouseMove(e.button, e.shift, e.x, e.y);
  };
  labelHomePage2_->onMouseMove = [this](MouseEvent& e) {
    LabelHomePage2_MouseMove(e.button, e.shift, e.x, e.y);
  };
  pictureAbout_->onMouseMove = [this](MouseEvent& e) { PictureAbout_MouseMove(e.button, e.shift, e.x, e.y); };
  WireSettingsEvents();
}

void FormVelkan::Form_Load() {
  if (!RunStartupSteps()) ShowUnknownError();
  if (checkAutoMin_->Value() != 1) form_.Show();
}

bool FormVelkan::RunStartupSteps() {
  RefreshCpuMonitor();
  EnableDebugPrivilege();
  memory::RefreshMemoryState(memoryStats_, memoryLabels_);
  autoFreeTicks_ = 0;
  LayOutChrome();
  if (!FillIntervalList()) return false;
  CommandCancel_Click();
  if (checkAutorun_->Value() == 1) {
    AddAutorunEntry();
  } else {
    RemoveAutorunEntry();
  }
  if (checkAutoMin_->Value() == 1) form_.Hide();
  if (checkShowMiniWindow_->Value() == 1) ShowMiniWindow();
  // Step 16: the automatic release follows its check box; while it is off, so does the interval list.
  ApplyAutoFreeSwitch();
  if (checkAutoFreeMemory_->Value() != 1) comboInterval_->SetEnabled(false);
  ApplyTaskbarStyle();
  InstallTrayIcon();
  return true;
}

// Steps 5 to 10: chrome, pages and navigation column in their run-time places.
void FormVelkan::LayOutChrome() {
  for (int i = 0; i < 3; ++i) {
    imageMin_[i]->Move(10800, 70, imageMin_[i]->Width(), imageMin_[i]->Height());
    imageExit_[i]->Move(11280, 70, imageExit_[i]->Width(), imageExit_[i]->Height());
  }
  pictureState_->Move(3240, 2160, pictureState_->Width(), pictureState_->Height());
  for (forms::PictureBox* page : {pictureRecords_, pictureSettings_, pictureAbout_}) {
    page->SetLeft(pictureState_->Left());
    page->SetTop(pictureState_->Top());
  }
  pictureState_->SetVisible(true);
  pictureRecords_->SetVisible(false);
  pictureSettings_->SetVisible(false);
  pictureAbout_->SetVisible(false);
  ShowChromeLook(imageMin_, 0);
  ShowChromeLook(imageExit_, 0);
  const std::pair<NavImages*, int> column[] = {
      {&imageStatus_, 2010}, {&imageSettings_, 2540}, {&imageRecords_, 3060}, {&imageAbout_, 3590}};
  for (auto [images, top] : column) {
    for (forms::Image* image : *images) image->Move(110, top, image->Width(), image->Height());
  }
  imageStatus_[0]->SetVisible(true);
  imageStatus_[1]->SetVisible(false);
  for (NavImages* other : {&imageSettings_, &imageRecords_, &imageAbout_}) {
    (*other)[0]->SetVisible(false);
    (*other)[1]->SetVisible(true);
  }
}

bool FormVelkan::FillIntervalList() {
  for (const char* entry : kIntervalEntries) comboInterval_->AddItem(entry);
  return comboInterval_->SetText(kDefaultInterval);
}

void FormVelkan::TimerGetMemoryState_Timer() { memory::RefreshMemoryState(memoryStats_, memoryLabels_); }

void FormVelkan::SelectPage(Page page) {
  const std::pair<NavImages*, Page> navigation[] = {{&imageStatus_, Page::Status},
                                                    {&imageSettings_, Page::Settings},
                                                    {&imageRecords_, Page::Records},
                                                    {&imageAbout_, Page::About}};
  for (auto [images, owner] : navigation) {
    (*images)[0]->SetVisible(owner == page);
    (*images)[1]->SetVisible(owner != page);
  }
  for (auto [container, owner] : PagesInNavigationOrder()) container->SetVisible(owner == page);
  switch (page) {
    case Page::Status:
      labelState_->SetCaption("系统内存使用状态");
      break;
    case Page::Records:
      labelState_->SetCaption("内存释放记录");
      break;
    case Page::Settings:
      labelState_->SetCaption("软件设置");
      break;
    case Page::About:
      labelState_->SetCaption("关于软件");
      break;
  }
}

std::array<std::pair<forms::PictureBox*, FormVelkan::Page>, 4> FormVelkan::PagesInNavigationOrder() const {
  return {{{pictureState_, Page::Status},
           {pictureSettings_, Page::Settings},
           {pictureRecords_, Page::Records},
           {pictureAbout_, Page::About}}};
}

bool FormVelkan::Form_KeyPreview(int keyCode, int shift) {
  const int modifiers = shift & (forms::kShiftMask | forms::kCtrlMask | forms::kAltMask);
  if (keyCode == forms::key::kEscape && modifiers == 0) {
    form_.Hide();
    return true;
  }
  if (keyCode != forms::key::kTab || (modifiers & ~forms::kShiftMask) != forms::kCtrlMask) return false;
  const auto pages = PagesInNavigationOrder();
  std::size_t shown = 0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (pages[i].first->Visible()) shown = i;
  }
  const std::size_t step = (modifiers & forms::kShiftMask) != 0 ? pages.size() - 1 : 1;
  SelectPage(pages[(shown + step) % pages.size()].second);
  return true;
}

void FormVelkan::ImageStatus_Click(int) { SelectPage(Page::Status); }
void FormVelkan::ImageRecords_Click(int) { SelectPage(Page::Records); }
void FormVelkan::ImageSettings_Click(int) { SelectPage(Page::Settings); }
void FormVelkan::ImageAbout_Click(int) { SelectPage(Page::About); }
void FormVelkan::LabelState_Click() { ImageStatus_Click(0); }
void FormVelkan::LabelSettings2_Click() { ImageSettings_Click(0); }

void FormVelkan::Form_MouseDown(int button, int, float, float) {
  if (button == forms::kLeftButton) services_.windows.StartDragMove(form_.Handle());
}

void FormVelkan::Form_MouseMove(int, int, float, float) {
  ShowChromeLook(imageMin_, 0);
  ShowChromeLook(imageExit_, 0);
  labelHomePage_->SetUnderline(false);
  labelHomePage2_->SetUnderline(false);
}

// Exactly one of the three looks is visible: 0 normal, 1 pointer over, 2 pressed.
void FormVelkan::ShowChromeLook(const ChromeImages& images, int look) {
  for (int i = 0; i < 3; ++i) images[i]->SetVisible(i == look);
}

void FormVelkan::ChromeMouseUp(const ChromeImages& images) {
  if (images[2]->Visible()) form_.Hide();
}

void FormVelkan::ImageMin_MouseMove(int, int, int, float, float) { ShowChromeLook(imageMin_, 1); }
void FormVelkan::ImageMin_MouseDown(int, int, int, float, float) { ShowChromeLook(imageMin_, 2); }
void FormVelkan::ImageMin_MouseUp(int, int, int, float, float) { ChromeMouseUp(imageMin_); }
void FormVelkan::ImageExit_MouseMove(int, int, int, float, float) { ShowChromeLook(imageExit_, 1); }
void FormVelkan::ImageExit_MouseDown(int, int, int, float, float) { ShowChromeLook(imageExit_, 2); }
void FormVelkan::ImageExit_MouseUp(int, int, int, float, float) { ChromeMouseUp(imageExit_); }

void FormVelkan::OpenHomePage() {
  (void)services_.shell.Execute(form_.Handle(), "open", definitions::kHomePageAddress);
}

void FormVelkan::LabelHomePage_Click() { OpenHomePage(); }
void FormVelkan::LabelHomePage2_Click() { OpenHomePage(); }
void FormVelkan::LabelHomePage_MouseMove(int, int, float, float) { labelHomePage_->SetUnderline(true); }
void FormVelkan::LabelHomePage2_MouseMove(int, int, float, float) { labelHomePage2_->SetUnderline(true); }
void FormVelkan::PictureAbout_MouseMove(int, int, float, float) { labelHomePage_->SetUnderline(false); }

// No dead icon may outlive the session: the same sequence as the tray menu's exit command.
void FormVelkan::EndProgram() { ExitProgram(); }

void FormVelkan::ShowUnknownError() { messages_.Show(kUnknownError, forms::MessageIcon::None); }

// The graph shows its retained image again.
void FormVelkan::RefreshCpuMonitor() { cpuMonitor_->Refresh(); }
// The taskbar button's window menu needs the system-menu and minimise styles.
void FormVelkan::ApplyTaskbarStyle() { memory::ApplyTaskbarStyle(services_.windows, form_.Handle()); }

}  // namespace zv::mainwindow
