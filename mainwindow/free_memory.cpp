// The free-memory command, the records log and the automatic release of the main window.
#include <limits>

#include "mainwindow/control_lookup.h"
#include "mainwindow/form_velkan.h"
#include "memory/working_set.h"

namespace zv::mainwindow {

void FormVelkan::BindFreeMemoryControls() {
  commandFreeMemory_ = RequireControl(form_, "CommandFreeMemory");
  textRecords_ = Require<forms::TextBox>(form_, "TextRecords");
  commandFreeMemory_->onClick = [this] { CommandFreeMemory_Click(); };
  timerAutoFreeMemory_->onTimer = [this] { TimerAutoFreeMemory_Timer(); };
}

void FormVelkan::EnableDebugPrivilege() { memory::EnableDebugPrivilege(services_.privileges); }

// Nothing is allocated per process; the snapshot closes when the pass ends, however it ends.
void FormVelkan::DoAllMiniUseMemory() {
  platform::ProcessList& processes = services_.processes;
  const platform::ProcessSnapshot snapshot = processes.TakeSnapshot();
  if (!snapshot) return;
  platform::ProcessId id = 0;
  bool more = processes.First(snapshot, id);
  while (more) {
    loop_.DoEvents();
    if (loop_.Quitting()) return;
    (void)memory::TrimProcess(processes, id);
    loop_.DoEvents();
    if (loop_.Quitting()) return;
    more = processes.Next(snapshot, id);
  }
}

bool FormVelkan::ReleaseAndMeasure(std::int32_t& megabytes) {
  const std::int64_t before = memory::GetUsedMemoryMB(services_.memory);
  DoAllMiniUseMemory();
  const std::int64_t after = memory::GetUsedMemoryMB(services_.memory);
  const std::int64_t drop = before - after;
  if (drop < std::numeric_limits<std::int32_t>::min() || drop > std::numeric_limits<std::int32_t>::max()) {
    return false;
  }
  megabytes = static_cast<std::int32_t>(drop);
  return true;
}

std::string FormVelkan::ReleaseMessage(std::int32_t megabytes) {
  return "释放内存成功， " + std::to_string(megabytes) + " MB 内存已释放。";
}

// The time, the result line and an empty line, appended at the end; the caret follows.
void FormVelkan::AppendRecord(std::int32_t megabytes) {
  const std::string entry = services_.regional.TimeOfDay() + "\r\n" + ReleaseMessage(megabytes) + "\r\n\r\n";
  textRecords_->Append(entry);
  textRecords_->SetSelectionStart(textRecords_->TextLength());
}

void FormVelkan::CommandFreeMemory_Click() {
  std::int32_t megabytes = 0;
  if (!ReleaseAndMeasure(megabytes)) {
    if (!loop_.Quitting()) ShowUnknownError();
    return;
  }
  if (loop_.Quitting()) return;
  messages_.Show(ReleaseMessage(megabytes), forms::MessageIcon::Information);
  if (loop_.Quitting()) return;
  AppendRecord(megabytes);
}

void FormVelkan::AutoFreeMemory() {
  std::int32_t megabytes = 0;
  if (!ReleaseAndMeasure(megabytes) || loop_.Quitting()) return;
  AppendRecord(megabytes);
}

std::int32_t FormVelkan::IntervalTicks(const std::string& interval) {
  if (interval == "1 分钟") return 60;
  if (interval == "3 分钟") return 180;
  if (interval == "5 分钟") return 300;
  if (interval == "10 分钟") return 600;
  return 0;
}

// The first release comes limit ticks after start-up; the count restarts at 1, so each later one
// comes limit - 1 ticks after the previous.
void FormVelkan::TimerAutoFreeMemory_Timer() {
  const std::int32_t limit = IntervalTicks(comboInterval_->Text());
  if (autoFreeTicks_ == std::numeric_limits<std::int32_t>::max()) {
    ShowUnknownError();
    EndProgram();
    return;
  }
  ++autoFreeTicks_;
  if (autoFreeTicks_ >= limit) {
    autoFreeTicks_ = 1;
    AutoFreeMemory();
  }
}

}  // namespace zv::mainwindow
