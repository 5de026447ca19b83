// Platform services and runtime services that write each call into one shared journal, then pass it
// on to the service they wrap, so that the order of effects across services can be checked.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"
#include "platform/memory_status.h"
#include "platform/notify_icon.h"
#include "platform/profile_file.h"
#include "platform/registry.h"
#include "platform/token_privileges.h"
#include "platform/window_messages.h"

namespace zv::testing {

// One line per effect; a line equal to the one before is not repeated, so an effect made of several
// calls shows once. `beforeEach` runs first, to note effects that come without a call of their own.
struct Journal {
  void Write(const std::string& line) {
    if (beforeEach) beforeEach();
    if (lines.empty() || lines.back() != line) lines.push_back(line);
  }
  std::vector<std::string> lines;
  std::function<void()> beforeEach;
};

class JournaledPrivileges final : public platform::TokenPrivileges {
 public:
  JournaledPrivileges(platform::TokenPrivileges& inner, Journal& journal)
      : inner_(inner), journal_(journal) {}
  platform::PrivilegeResult Enable(std::string_view name) override {
    journal_.Write("privilege " + std::string(name));
    return inner_.Enable(name);
  }

 private:
  platform::TokenPrivileges& inner_;
  Journal& journal_;
};

class JournaledMemoryStatus final : public platform::MemoryStatusSource {
 public:
  JournaledMemoryStatus(platform::MemoryStatusSource& inner, Journal& journal)
      : inner_(inner), journal_(journal) {}
  bool QueryEx(platform::MemoryStatusEx& status) override {
    journal_.Write("memory status");
    return inner_.QueryEx(status);
  }
  void Query32(platform::MemoryStatus32& status) override {
    journal_.Write("memory status");
    inner_.Query32(status);
  }

 private:
  platform::MemoryStatusSource& inner_;
  Journal& journal_;
};

class JournaledProfileFile final : public platform::ProfileFile {
 public:
  JournaledProfileFile(platform::ProfileFile& inner, Journal& journal) : inner_(inner), journal_(journal) {}
  std::size_t Read(std::string_view path, std::string_view section, std::string_view key,
                   std::size_t bufferChars, std::string& value) override {
    journal_.Write("settings file read");
    return inner_.Read(path, section, key, bufferChars, value);
  }
  bool Write(std::string_view path, std::string_view section, std::string_view key,
             std::string_view value) override {
    journal_.Write("settings file written");
    return inner_.Write(path, section, key, value);
  }

 private:
  platform::ProfileFile& inner_;
  Journal& journal_;
};

class JournaledRegistry final : public platform::Registry {
 public:
  JournaledRegistry(platform::Registry& inner, Journal& journal) : inner_(inner), journal_(journal) {}
  platform::KeyResult CreateKey(platform::RegistryRoot root, std::string_view path) override {
    journal_.Write("registry");
    return inner_.CreateKey(root, path);
  }
  platform::KeyResult OpenKey(platform::RegistryRoot root, std::string_view path,
                              std::uint32_t access) override {
    journal_.Write("registry");
    return inner_.OpenKey(root, path, access);
  }
  platform::RegistryStatus SetString(const platform::RegistryKey& key, std::string_view name,
                                     std::string_view value) override {
    journal_.Write("registry value set");
    return inner_.SetString(key, name, value);
  }
  platform::RegistryStatus DeleteValue(const platform::RegistryKey& key, std::string_view name) override {
    journal_.Write("registry value deleted");
    return inner_.DeleteValue(key, name);
  }
  platform::ValueInfo QueryValue(const platform::RegistryKey& key, std::string_view name,
                                 std::span<std::uint8_t> data) override {
    journal_.Write("registry");
    return inner_.QueryValue(key, name, data);
  }
  platform::StringResult QueryString(const platform::RegistryKey& key, std::string_view name) override {
    journal_.Write("registry");
    return inner_.QueryString(key, name);
  }

 private:
  platform::Registry& inner_;
  Journal& journal_;
};

class JournaledWindowMessages final : public platform::WindowMessages {
 public:
  JournaledWindowMessages(platform::WindowMessages& inner, Journal& journal)
      : inner_(inner), journal_(journal) {}
  void StartDragMove(platform::WindowHandle window) override {
    journal_.Write("drag");
    inner_.StartDragMove(window);
  }
  std::intptr_t Send(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override {
    journal_.Write("message sent");
    return inner_.Send(window, message, wParam, lParam);
  }
  std::uint32_t RegisterMessage(std::string_view name) override {
    journal_.Write("message registered " + std::string(name));
    return inner_.RegisterMessage(name);
  }
  std::intptr_t GetStyle(platform::WindowHandle window) override {
    journal_.Write("window style");
    return inner_.GetStyle(window);
  }
  void SetStyle(platform::WindowHandle window, std::intptr_t style) override {
    journal_.Write("window style");
    inner_.SetStyle(window, style);
  }
  bool SetForeground(platform::WindowHandle window) override {
    journal_.Write("foreground");
    return inner_.SetForeground(window);
  }
  void SetTopmost(platform::WindowHandle window) override {
    journal_.Write("topmost");
    inner_.SetTopmost(window);
  }

 private:
  platform::WindowMessages& inner_;
  Journal& journal_;
};

class JournaledNotifyIcons final : public platform::NotifyIcons {
 public:
  JournaledNotifyIcons(platform::NotifyIcons& inner, Journal& journal) : inner_(inner), journal_(journal) {}
  platform::Icon LoadSmallIcon(std::string_view path) override {
    journal_.Write("tray icon");
    return inner_.LoadSmallIcon(path);
  }
  bool Add(const platform::NotifyIconData& data) override {
    journal_.Write("tray icon");
    return inner_.Add(data);
  }
  bool Delete(const platform::NotifyIconData& data) override {
    journal_.Write("tray icon deleted");
    return inner_.Delete(data);
  }

 private:
  platform::NotifyIcons& inner_;
  Journal& journal_;
};

class JournaledWindowHooks final : public forms::WindowProcedureHooks {
 public:
  JournaledWindowHooks(forms::WindowProcedureHooks& inner, Journal& journal)
      : inner_(inner), journal_(journal) {}
  std::uintptr_t Install(std::uintptr_t window, Filter filter) override {
    journal_.Write("window procedure hooked");
    return inner_.Install(window, std::move(filter));
  }
  std::intptr_t CallSaved(std::uintptr_t saved, std::uintptr_t window, std::uint32_t message,
                          std::uintptr_t wParam, std::intptr_t lParam) override {
    return inner_.CallSaved(saved, window, message, wParam, lParam);
  }
  void Restore(std::uintptr_t window, std::uintptr_t saved) override {
    journal_.Write("window procedure restored");
    inner_.Restore(window, saved);
  }

 private:
  forms::WindowProcedureHooks& inner_;
  Journal& journal_;
};

class JournaledTimers final : public forms::TimerService {
 public:
  JournaledTimers(forms::TimerService& inner, Journal& journal) : inner_(inner), journal_(journal) {}
  void Start(forms::Timer& timer, int intervalMs) override {
    journal_.Write(timer.Name() + " on");
    inner_.Start(timer, intervalMs);
  }
  void Stop(forms::Timer& timer) override {
    journal_.Write(timer.Name() + " off");
    inner_.Stop(timer);
  }

 private:
  forms::TimerService& inner_;
  Journal& journal_;
};

}  // namespace zv::testing
