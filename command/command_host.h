// What the skinned button needs from the container that hosts it, beyond its drawing surface:
// change notification, ambient font, its name, system colours, run mode; and its error numbers.
#pragma once

#include <string>
#include <string_view>

#include "platform/font.h"
#include "platform/forms/runtime.h"

namespace zv::command {

// Run-time errors that property setters report to their caller, by number.
enum class [[nodiscard]] RuntimeError{
    kNone = 0,
    kInvalidPropertyValue = 380,
    kSetNotSupportedAtRunTime = 382,
    kSetNotPermitted = 387,
};

// The standard text of the error, empty for kNone.
std::string_view ErrorText(RuntimeError error);

class CommandHost {
 public:
  virtual ~CommandHost() = default;
  // A property changed: the container's saved data needs writing.
  virtual void PropertyChanged(std::string_view name) = 0;
  // The container's font, the default of a loaded instance's Font.
  virtual Font AmbientFont() = 0;
  // The instance's name as the container knows it.
  virtual std::string ExtenderName() = 0;
  virtual forms::SystemColors& Colors() = 0;
  // The program runs, as opposed to a designer editing the container.
  virtual bool UserMode() = 0;
};

// A host for run-time containers and tests: fixed answers, and a flag set by each change.
class BasicCommandHost : public CommandHost {
 public:
  BasicCommandHost(forms::SystemColors& colors, std::string extenderName)
      : colors_(colors), extenderName_(std::move(extenderName)) {}
  void PropertyChanged(std::string_view /*name*/) override { changed = true; }
  Font AmbientFont() override { return ambientFont; }
  std::string ExtenderName() override { return extenderName_; }
  forms::SystemColors& Colors() override { return colors_; }
  bool UserMode() override { return userMode; }

  Font ambientFont;
  bool userMode = true;
  bool changed = false;

 private:
  forms::SystemColors& colors_;
  std::string extenderName_;
};

}  // namespace zv::command
