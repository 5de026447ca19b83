// Profile-file behaviour as tables, run against the fake on the host and the real functions on Windows.
#pragma once

#include <cstddef>
#include <vector>

namespace zv::platform {

// One read from a file holding `file` (CR LF lines; nullptr: no file).
struct ProfileReadCase {
  const char* name;
  const char* file;
  const char* section;
  const char* key;
  std::size_t bufferChars;
  const char* value;
  std::size_t count;
};

inline const std::vector<ProfileReadCase>& ProfileReadCases() {
  static const std::vector<ProfileReadCase> cases = {
      {"no file", nullptr, "VK", "Autorun", 255, "", 0},
      {"missing section", "[Other]\r\nAutorun=1\r\n", "VK", "Autorun", 255, "", 0},
      {"missing key", "[VK]\r\nAutomin=1\r\n", "VK", "Autorun", 255, "", 0},
      {"empty value", "[VK]\r\nAutorun=\r\n", "VK", "Autorun", 255, "", 0},
      {"key of the next section", "[VK]\r\nA=1\r\n[Other]\r\nB=2\r\n", "VK", "B", 255, "", 0},
      {"spaces around the value", "[VK]\r\nInterval =  5 分钟  \r\n", "VK", "Interval", 255, "5 分钟", 4},
      {"names in any case", "[vk]\r\nAUTORUN=1\r\n", "Vk", "autorun", 255, "1", 1},
      {"matching quotes go, inner spaces stay", "[VK]\r\nA=' x '\r\n", "VK", "A", 255, " x ", 3},
      {"an unmatched quote stays", "[VK]\r\nA='x\r\n", "VK", "A", 255, "'x", 2},
      {"cut to the buffer less one", "[VK]\r\nA=abcdefgh\r\n", "VK", "A", 5, "abcd", 4},
      {"a buffer of one holds only the NUL", "[VK]\r\nA=abc\r\n", "VK", "A", 1, "", 0},
      {"the buffer counts characters", "[VK]\r\nInterval=10 分钟\r\n", "VK", "Interval", 5, "10 分", 4},
  };
  return cases;
}

struct ProfileWrite {
  const char* section;
  const char* key;
  const char* value;
};

// Writes in order to a file holding `seed` (nullptr: no file); then the file holds `file`, and the last
// write's key reads back as its value.
struct ProfileWriteCase {
  const char* name;
  const char* seed;
  std::vector<ProfileWrite> writes;
  const char* file;
};

inline const std::vector<ProfileWriteCase>& ProfileWriteCases() {
  static const std::vector<ProfileWriteCase> cases = {
      {"the first write creates file and section",
       nullptr,
       {{"VK", "Autorun", "1"}},
       "[VK]\r\nAutorun=1\r\n"},
      {"keys in the order of their first write",
       nullptr,
       {{"VK", "Autorun", "1"},
        {"VK", "Automin", "0"},
        {"VK", "ShowMiniWindow", "1"},
        {"VK", "AuroFreeMemory", "1"},
        {"VK", "Interval", "5 分钟"},
        {"VK", "Automin", "1"}},
       "[VK]\r\nAutorun=1\r\nAutomin=1\r\nShowMiniWindow=1\r\nAuroFreeMemory=1\r\nInterval=5 分钟\r\n"},
      {"a value replaced in place, the key spelled as before",
       "[VK]\r\nautorun=0\r\nAutomin=1\r\n",
       {{"VK", "AUTORUN", "1"}},
       "[VK]\r\nautorun=1\r\nAutomin=1\r\n"},
      {"a new key at the end of its own section",
       "[VK]\r\nA=1\r\n[Other]\r\nB=2\r\n",
       {{"vk", "C", "3"}},
       "[VK]\r\nA=1\r\nC=3\r\n[Other]\r\nB=2\r\n"},
      {"a new section after the others",
       "[Other]\r\nB=2\r\n",
       {{"VK", "Interval", "3 分钟"}},
       "[Other]\r\nB=2\r\n[VK]\r\nInterval=3 分钟\r\n"},
      {"an empty value", nullptr, {{"VK", "Interval", ""}}, "[VK]\r\nInterval=\r\n"},
  };
  return cases;
}

}  // namespace zv::platform
