// A notification area and icon loader that record calls; icons load from the paths a test names.
#include "platform/fake/fake_notify_icons.h"

namespace zv::platform {

Icon FakeNotifyIcons::LoadSmallIcon(std::string_view path) {
  loadRequests.emplace_back(path);
  if (iconFiles.count(std::string(path)) == 0) return {};
  ++iconsLoaded;
  live_.insert(++lastIcon_);
  return Icon(lastIcon_, this);
}

bool FakeNotifyIcons::Add(const NotifyIconData& data) {
  const bool accepted = taskbarExists && shown_.try_emplace({data.window, data.id}, data).second;
  calls.push_back({Op::kAdd, data, accepted});
  return accepted;
}

bool FakeNotifyIcons::Delete(const NotifyIconData& data) {
  const bool accepted = taskbarExists && shown_.erase({data.window, data.id}) != 0;
  calls.push_back({Op::kDelete, data, accepted});
  return accepted;
}

const NotifyIconData* FakeNotifyIcons::Shown(WindowHandle window, std::uint32_t id) const {
  const auto it = shown_.find({window, id});
  return it == shown_.end() ? nullptr : &it->second;
}

void FakeNotifyIcons::Release(OpaqueHandle handle) {
  ++iconsDestroyed;
  live_.erase(handle);
}

}  // namespace zv::platform
