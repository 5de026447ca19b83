// Top-level window lookup through EnumWindows, which also lists hidden windows.
#include "e2e/common/find_window.h"

#include <algorithm>
#include <string>

namespace zv::e2e {
namespace {

struct Search {
  std::wstring_view title;
  TitledKind kind;
  std::vector<HWND> found;
};

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool IsMessageBox(HWND window) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  return std::wstring_view(className) == L"#32770";
}

BOOL CALLBACK CollectMatch(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<Search*>(context);
  if (WindowText(window) == search.title && IsMessageBox(window) == (search.kind == TitledKind::MessageBox)) {
    search.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> TitledWindows(std::wstring_view title, TitledKind kind) {
  Search search{title, kind, {}};
  EnumWindows(CollectMatch, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> FindTitledWindows(std::wstring_view title) {
  std::vector<HWND> found = TitledWindows(title);
  std::stable_partition(found.begin(), found.end(),
                        [](HWND window) { return IsWindowVisible(window) != FALSE; });
  return found;
}

HWND FindVisibleWindow(std::wstring_view title) {
  std::vector<HWND> windows = FindTitledWindows(title);
  if (windows.empty() || !IsWindowVisible(windows.front())) return nullptr;
  return windows.front();
}

}  // namespace zv::e2e
