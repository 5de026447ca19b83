// A private temporary folder for the settings tests, and the file the program sees as
// "<folder>\config.ini" in it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zv::testing {

// The program joins its folder and "config.ini" with a backslash, which a POSIX path keeps as part of
// the file name: the folder "<root>/bin" gives the file "bin\config.ini" inside <root>.
class SettingsFolder {
 public:
  SettingsFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // A parameterised test's names hold slashes ("Suite/Test/0"), which would nest folders that
    // removing the root leaves behind.
    std::string name =
        "zorvane-settings-" + std::to_string(getpid()) + "-" + test->test_suite_name() + "-" + test->name();
    std::replace(name.begin(), name.end(), '/', '-');
    root_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
  }
  ~SettingsFolder() { std::filesystem::remove_all(root_); }
  SettingsFolder(const SettingsFolder&) = delete;
  SettingsFolder& operator=(const SettingsFolder&) = delete;

  // The folder to report as the application's.
  std::string AppFolder() const { return (root_ / "bin").string(); }
  // A folder whose files cannot be written: its parent does not exist.
  std::string UnwritableFolder() const { return (root_ / "missing" / "bin").string(); }
  std::string ConfigPath() const { return AppFolder() + "\\config.ini"; }

  void Seed(const std::string& text) const { std::ofstream(ConfigPath(), std::ios::binary) << text; }
  bool Exists() const { return std::filesystem::exists(ConfigPath()); }
  std::string Content() const {
    std::ifstream in(ConfigPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path root_;
};

}  // namespace zv::testing
