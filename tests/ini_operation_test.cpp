// The settings file operations: the path, reading with the 255-character buffer and trimming, and
// writing in the order of the keys' first writes.
#include "memory/ini_operation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_profile_file.h"
#include "tests/settings_files.h"

namespace zv::memory {
namespace {

TEST(SettingsFilePathTest, FolderThenBackslashAndTheName) {
  EXPECT_EQ(SettingsFilePath("C:\\Program Files\\Zorvane"), "C:\\Program Files\\Zorvane\\config.ini");
  EXPECT_EQ(SettingsFilePath("C:\\"), "C:\\\\config.ini");  // a drive root is reported with its separator
  EXPECT_EQ(SettingsFilePath("\\\\server\\share"), "\\\\server\\share\\config.ini");
}

class IniOperationTest : public ::testing::Test {
 protected:
  std::string Read(const char* key, const char* section = "VK") {
    return ReadIniValue(profile_, files_.ConfigPath(), section, key);
  }
  bool Write(const char* key, const std::string& value) {
    return WriteIniValue(profile_, files_.ConfigPath(), "VK", key, value);
  }
  zv::testing::SettingsFolder files_;
  platform::FakeProfileFile profile_;
};

TEST_F(IniOperationTest, MissingThingsAndEmptyValuesReadAsTheEmptyText) {
  EXPECT_EQ(Read("Autorun"), "");  // no file
  EXPECT_FALSE(files_.Exists());
  files_.Seed("[Other]\r\nAutorun=1\r\n[VK]\r\nAutomin=\r\nShowMiniWindow=   \r\n");
  EXPECT_EQ(Read("Autorun"), "");          // in another section only
  EXPECT_EQ(Read("Autorun", "Nope"), "");  // no such section
  EXPECT_EQ(Read("Automin"), "");
  EXPECT_EQ(Read("ShowMiniWindow"), "");
  EXPECT_EQ(Read("Interval"), "");
}

TEST_F(IniOperationTest, ValuesReadWithoutTheSpacesAroundThemAndCutTo254) {
  const std::string longValue(10000, '7');
  files_.Seed("[vk]\r\nINTERVAL =  5 分钟  \r\nautorun=3\r\nLong=" + longValue + "\r\n");
  EXPECT_EQ(Read("Interval"), "5 分钟");
  EXPECT_EQ(Read("Autorun"), "3");  // whether it is accepted is the page's decision
  EXPECT_EQ(Read("Long"), std::string(254, '7'));
}

// Each read asks for 255 characters; the text ends at the first NUL, then loses its spaces.
TEST(IniOperationBufferTest, AskFor255CharactersAndStopAtTheFirstNul) {
  struct Stub final : platform::ProfileFile {
    std::size_t Read(std::string_view, std::string_view, std::string_view, std::size_t bufferChars,
                     std::string& value) override {
      asked = bufferChars;
      value = reply;
      return reply.size();
    }
    bool Write(std::string_view, std::string_view, std::string_view, std::string_view) override {
      return false;
    }
    std::size_t asked = 0;
    std::string reply;
  } stub;
  stub.reply = std::string(" 1 \0 junk", 9);
  EXPECT_EQ(ReadIniValue(stub, "C:\\\\config.ini", "VK", "Autorun"), "1");
  EXPECT_EQ(stub.asked, 255u);
  EXPECT_FALSE(WriteIniValue(stub, "C:\\\\config.ini", "VK", "Autorun", "1"));
}

// The page writes its five keys in this order; a later save replaces each value in its place.
TEST_F(IniOperationTest, TheFirstWriteCreatesTheFileAndKeysKeepTheOrderOfTheirFirstWrite) {
  const std::vector<std::pair<const char*, std::string>> firstSave = {{"Autorun", "1"},
                                                                      {"Automin", "0"},
                                                                      {"ShowMiniWindow", "1"},
                                                                      {"AuroFreeMemory", "1"},
                                                                      {"Interval", "5 分钟"}};
  for (const auto& [key, value] : firstSave) EXPECT_TRUE(Write(key, value)) << key;
  EXPECT_EQ(files_.Content(),
            "[VK]\r\nAutorun=1\r\nAutomin=0\r\nShowMiniWindow=1\r\nAuroFreeMemory=1\r\nInterval=5 分钟\r\n");
  for (const auto& [key, value] : firstSave) EXPECT_EQ(Read(key), value) << key;

  EXPECT_TRUE(Write("Interval", "10 分钟"));
  EXPECT_TRUE(Write("Autorun", "0"));
  EXPECT_EQ(files_.Content(),
            "[VK]\r\nAutorun=0\r\nAutomin=0\r\nShowMiniWindow=1\r\nAuroFreeMemory=1\r\nInterval=10 分钟\r\n");
}

TEST_F(IniOperationTest, WritingKeepsTheRestOfAHandEditedFile) {
  files_.Seed("; notes\r\n[Other]\r\nInterval=x\r\n\r\n[VK]\r\nautomin=1\r\n");
  EXPECT_TRUE(Write("Automin", "0"));
  EXPECT_TRUE(Write("Interval", "3 分钟"));
  EXPECT_EQ(files_.Content(),
            "; notes\r\n[Other]\r\nInterval=x\r\n\r\n[VK]\r\nautomin=0\r\nInterval=3 分钟\r\n");
}

TEST(IniOperationWriteTest, AWriteThatCannotBeMadeReportsFalse) {
  zv::testing::SettingsFolder files;
  platform::FakeProfileFile profile;
  const std::string path = files.UnwritableFolder() + "\\config.ini";
  EXPECT_FALSE(WriteIniValue(profile, path, "VK", "Autorun", "1"));
  EXPECT_EQ(ReadIniValue(profile, path, "VK", "Autorun"), "");
}

}  // namespace
}  // namespace zv::memory
