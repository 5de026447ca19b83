// UTF-8 and UTF-16 convert into each other without loss, Chinese and characters beyond the BMP included.
#include "platform/win32/text_win32.h"

#include <gtest/gtest.h>

namespace zv::platform {
namespace {

TEST(TextWin32Test, RoundTripsChineseAndSupplementaryCharacters) {
  struct Case {
    const char* utf8;
    std::wstring utf16;
  };
  const Case cases[] = {
      {"", L""},
      {"Zorvane", L"Zorvane"},
      {"释放内存成功， ", L"\u91ca\u653e\u5185\u5b58\u6210\u529f\uff0c "},
      {"5 分钟", L"5 \u5206\u949f"},
      {"a😀b",
       L"a\xD83D\xDE00"
       L"b"},  // a surrogate pair
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Widen(c.utf8), c.utf16);
    EXPECT_EQ(Narrow(c.utf16), c.utf8);
  }
}

TEST(TextWin32Test, KeepsEmbeddedNulsAndReplacesInvalidInput) {
  EXPECT_EQ(Widen(std::string_view("a\0b", 3)), std::wstring(L"a\0b", 3));
  EXPECT_EQ(Widen("\xFF"), L"\uFFFD");
  EXPECT_EQ(Narrow(std::wstring(1, L'\xD800')), "\xEF\xBF\xBD");  // a lone surrogate
}

}  // namespace
}  // namespace zv::platform
