// The wide profile functions follow the same rules as the fake; new files are UTF-16, old ANSI files stay.
#include "platform/win32/profile_file_win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/win32/text_win32.h"
#include "tests/profile_file_cases.h"

namespace zv::platform {
namespace {

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Utf16File(const std::string& utf8) {
  const std::wstring text = Widen(utf8);
  return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

class ProfileFileWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / "zorvane-profile-test";
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // A file of its own per case: the platform may cache a file it has just read.
  std::filesystem::path NewFile() { return folder_ / ("case" + std::to_string(files_++) + ".ini"); }

  std::filesystem::path folder_;
  int files_ = 0;
  Win32ProfileFile profile_;
};

TEST_F(ProfileFileWin32Test, ReadsAsTheFakeReads) {
  for (const ProfileReadCase& c : ProfileReadCases()) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path file = NewFile();
    if (c.file != nullptr) WriteBytes(file, Utf16File(c.file));
    std::string value = "stale";
    EXPECT_EQ(profile_.Read(Narrow(file.wstring()), c.section, c.key, c.bufferChars, value), c.count);
    EXPECT_EQ(value, c.value);
  }
}

// A file created by the first write is UTF-16 with its byte-order mark.
TEST_F(ProfileFileWin32Test, WritesAsTheFakeWritesInUtf16) {
  for (const ProfileWriteCase& c : ProfileWriteCases()) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path file = NewFile();
    const std::string path = Narrow(file.wstring());
    if (c.seed != nullptr) WriteBytes(file, Utf16File(c.seed));
    for (const ProfileWrite& w : c.writes) EXPECT_TRUE(profile_.Write(path, w.section, w.key, w.value));
    EXPECT_EQ(Bytes(file), Utf16File(c.file));
    const ProfileWrite& last = c.writes.back();
    std::string value;
    profile_.Read(path, last.section, last.key, 255, value);
    EXPECT_EQ(value, last.value);
  }
}

TEST_F(ProfileFileWin32Test, AnExistingAnsiFileStaysAnsi) {
  const std::filesystem::path file = folder_ / "ansi.ini";
  WriteBytes(file, "[VK]\r\nAutorun=1\r\n");
  const std::string path = Narrow(file.wstring());
  EXPECT_TRUE(profile_.Write(path, "VK", "Automin", "0"));
  EXPECT_EQ(Bytes(file), "[VK]\r\nAutorun=1\r\nAutomin=0\r\n");
  std::string value;
  EXPECT_EQ(profile_.Read(path, "VK", "Autorun", 255, value), 1u);
  EXPECT_EQ(value, "1");
}

TEST_F(ProfileFileWin32Test, AFolderNameInChineseWorksAndAMissingFolderFails) {
  const std::filesystem::path chinese = folder_ / Widen("设置");
  std::filesystem::create_directories(chinese);
  const std::string path = Narrow((chinese / "config.ini").wstring());
  EXPECT_TRUE(profile_.Write(path, "VK", "Interval", "10 分钟"));
  std::string value;
  EXPECT_EQ(profile_.Read(path, "VK", "Interval", 255, value), 5u);
  EXPECT_EQ(value, "10 分钟");

  EXPECT_FALSE(profile_.Write(Narrow((folder_ / "missing" / "config.ini").wstring()), "VK", "Autorun", "1"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
}

}  // namespace
}  // namespace zv::platform
