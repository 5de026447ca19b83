// Icons load from files and are destroyed with their owner; the shell record carries what was asked.
#include "platform/win32/notify_icon_win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/notify_record_win32.h"
#include "platform/win32/text_win32.h"

namespace zv::platform {
namespace {

void Put16(std::string& out, unsigned v) { out.append({char(v & 0xFF), char(v >> 8)}); }
void Put32(std::string& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A 16 x 16, 32-bit icon file with one image.
std::string SmallIconFile() {
  const unsigned pixels = 16 * 16 * 4, mask = 16 * 4, header = 40;
  std::string out;
  Put16(out, 0), Put16(out, 1), Put16(out, 1);  // reserved, type icon, one image
  out.append({16, 16, 0, 0});                   // width, height, colours, reserved
  Put16(out, 1), Put16(out, 32), Put32(out, header + pixels + mask), Put32(out, 6 + 16);
  Put32(out, header), Put32(out, 16), Put32(out, 32);  // the height counts image and mask
  Put16(out, 1), Put16(out, 32), Put32(out, 0), Put32(out, pixels + mask);
  Put32(out, 0), Put32(out, 0), Put32(out, 0), Put32(out, 0);
  for (unsigned i = 0; i < 16 * 16; ++i) Put32(out, 0xFF3366CCu);
  out.append(mask, '\0');
  return out;
}

bool IsIcon(OpaqueHandle icon) {
  ICONINFO info{};
  if (!GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return false;
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return true;
}

TEST(NotifyIconWin32Test, LoadsAnIconFileAndDestroysTheIconWithItsOwner) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / Widen("图标");
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "vk.ico";
  std::ofstream(file, std::ios::binary) << SmallIconFile();

  Win32NotifyIcons icons;
  Icon icon = icons.LoadSmallIcon(Narrow(file.wstring()));
  ASSERT_TRUE(icon);
  const OpaqueHandle raw = icon.get();
  EXPECT_TRUE(IsIcon(raw));
  icon.Reset();
  EXPECT_FALSE(IsIcon(raw));

  EXPECT_FALSE(icons.LoadSmallIcon(Narrow((folder / "missing.ico").wstring())));
  std::filesystem::remove_all(folder);
}

TEST(NotifyIconWin32Test, TheRecordCarriesTheFieldsAndAShortenedTip) {
  struct Case {
    std::string tip;
    std::wstring expected;
  };
  const std::string sixty(60, 'x');
  const Case cases[] = {
      {"Zorvane", L"Zorvane"},
      {"", L""},
      {std::string(63, 'a'), std::wstring(63, L'a')},
      {std::string(64, 'a'), std::wstring(63, L'a')},
      {sixty + "内存释放", std::wstring(60, L'x') + L"内存释"},
      {sixty + "ab😀", std::wstring(60, L'x') + L"ab"},  // the pair would not fit whole
      {sixty + "a😀", std::wstring(60, L'x') + L"a\xD83D\xDE00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tip);
    const NotifyIconData data{0x1234, 7,      notifyflag::kMessage | notifyflag::kIcon | notifyflag::kTip,
                              2025,   0x5678, c.tip};
    const NOTIFYICONDATAW record = ToNotifyIconRecord(data);
    EXPECT_EQ(record.cbSize, NOTIFYICONDATAW_V1_SIZE);
    EXPECT_EQ(record.hWnd, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(record.uID, 7u);
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(record.uCallbackMessage, 2025u);
    EXPECT_EQ(record.hIcon, reinterpret_cast<HICON>(0x5678));
    EXPECT_EQ(std::wstring(record.szTip), c.expected);
  }
}

}  // namespace
}  // namespace zv::platform
