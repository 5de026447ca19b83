// Registry keys and string values on the real platform, under a test key of the current user.
#include "platform/win32/registry_win32.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {
namespace {

constexpr const char* kTestKey = "Software\\ZorvaneTest";

class RegistryWin32Test : public ::testing::Test {
 protected:
  // The test key with every subkey; SHDeleteKeyW is XP's counterpart of RegDeleteTreeW.
  void SetUp() override { SHDeleteKeyW(HKEY_CURRENT_USER, Widen(kTestKey).c_str()); }
  void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, Widen(kTestKey).c_str()); }

  Win32Registry registry_;
};

TEST_F(RegistryWin32Test, SetQueryAndDeleteAStringValue) {
  KeyResult created = registry_.CreateKey(RegistryRoot::kCurrentUser, std::string(kTestKey) + "\\Run");
  ASSERT_EQ(created.status, regstatus::kSuccess);
  const std::string path = "C:\\程序 文件\\Zorvane.exe";  // spaces stay, no quotes added
  EXPECT_EQ(registry_.SetString(created.key, "VK", path), regstatus::kSuccess);

  KeyResult opened =
      registry_.OpenKey(RegistryRoot::kCurrentUser, std::string(kTestKey) + "\\RUN", regaccess::kRead);
  ASSERT_EQ(opened.status, regstatus::kSuccess);
  const StringResult text = registry_.QueryString(opened.key, "vk");
  EXPECT_EQ(text.status, regstatus::kSuccess);
  EXPECT_EQ(text.value, path);

  // Stored as REG_SZ with its terminating NUL counted in the size.
  std::vector<std::uint8_t> raw(256);
  const ValueInfo info = registry_.QueryValue(opened.key, "VK", raw);
  EXPECT_EQ(info.status, regstatus::kSuccess);
  EXPECT_EQ(info.type, regtype::kString);
  EXPECT_EQ(info.size, (Widen(path).size() + 1) * sizeof(wchar_t));
  EXPECT_EQ(raw[info.size - 1], 0);
  EXPECT_EQ(raw[info.size - 2], 0);

  std::uint8_t small[4] = {};
  const ValueInfo tooSmall = registry_.QueryValue(opened.key, "VK", small);
  EXPECT_EQ(tooSmall.status, regstatus::kMoreData);
  EXPECT_EQ(tooSmall.size, info.size);

  EXPECT_EQ(registry_.DeleteValue(created.key, "VK"), regstatus::kSuccess);
  EXPECT_EQ(registry_.QueryString(opened.key, "VK").status, regstatus::kFileNotFound);
  EXPECT_EQ(registry_.DeleteValue(created.key, "VK"), regstatus::kFileNotFound);
}

TEST_F(RegistryWin32Test, FailuresComeBackAsStatuses) {
  KeyResult missing =
      registry_.OpenKey(RegistryRoot::kCurrentUser, std::string(kTestKey) + "\\Missing", regaccess::kRead);
  EXPECT_EQ(missing.status, regstatus::kFileNotFound);
  EXPECT_FALSE(missing.key);
  EXPECT_EQ(registry_.SetString(missing.key, "VK", "x"), regstatus::kInvalidHandle);
  EXPECT_EQ(registry_.QueryString(missing.key, "VK").status, regstatus::kInvalidHandle);
}

TEST_F(RegistryWin32Test, AKeyIsClosedWithItsOwner) {
  KeyResult created = registry_.CreateKey(RegistryRoot::kCurrentUser, kTestKey);
  ASSERT_TRUE(created.key);
  HKEY raw = reinterpret_cast<HKEY>(created.key.get());
  DWORD values = 0;
  ASSERT_EQ(RegQueryInfoKeyW(raw, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                             nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
  KeyResult moved = std::move(created);  // still open: the new owner closes it
  EXPECT_EQ(registry_.SetString(moved.key, "VK", "x"), regstatus::kSuccess);
  moved.key.Reset();
  EXPECT_EQ(RegQueryInfoKeyW(raw, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                             nullptr, nullptr, nullptr),
            ERROR_INVALID_HANDLE);
}

}  // namespace
}  // namespace zv::platform
