// A notification area and icon loader that record calls; icons load from the paths a test names.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/notify_icon.h"

namespace zv::platform {

class FakeNotifyIcons final : public NotifyIcons, private HandleReleaser {
 public:
  enum class Op { kAdd, kDelete };
  struct Call {
    Op op = Op::kAdd;
    NotifyIconData data;
    bool accepted = false;
  };

  FakeNotifyIcons() = default;
  FakeNotifyIcons(const FakeNotifyIcons&) = delete;
  FakeNotifyIcons& operator=(const FakeNotifyIcons&) = delete;

  Icon LoadSmallIcon(std::string_view path) override;
  // As the shell does: an add for a window and id already shown fails, and so does a delete of one
  // that is not; with no taskbar every request fails.
  bool Add(const NotifyIconData& data) override;
  bool Delete(const NotifyIconData& data) override;

  // The shell restarting: the area comes back empty.
  void RestartShell() { shown_.clear(); }
  bool IsShown(WindowHandle window, std::uint32_t id) const { return shown_.count({window, id}) != 0; }
  // The record of an icon now in the area.
  const NotifyIconData* Shown(WindowHandle window, std::uint32_t id) const;

  // Paths that load (exact match); others give an empty icon.
  std::set<std::string> iconFiles;
  bool taskbarExists = true;

  std::vector<Call> calls;
  std::vector<std::string> loadRequests;
  int iconsLoaded = 0;
  int iconsDestroyed = 0;
  int LiveIcons() const { return static_cast<int>(live_.size()); }
  // False for 0 and for an icon already destroyed, e.g. one still shown after its owner released it.
  bool IsLive(OpaqueHandle icon) const { return live_.count(icon) != 0; }

 private:
  void Release(OpaqueHandle handle) override;

  std::map<std::pair<WindowHandle, std::uint32_t>, NotifyIconData> shown_;
  std::set<OpaqueHandle> live_;
  OpaqueHandle lastIcon_ = 0;
};

}  // namespace zv::platform
