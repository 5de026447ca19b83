// Late-bound libraries come from the system folder only, never from the exe's own.
#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "platform/win32/late_binding.h"

namespace zv::platform {
namespace {

std::wstring Lowered(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring ModuleFolder(HMODULE module) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  std::wstring file(path, length);
  return file.substr(0, file.find_last_of(L"\\/"));
}

TEST(LoadSystemLibraryTest, ASystemLibraryComesFromTheSystemFolder) {
  wchar_t system[MAX_PATH];
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  HMODULE module = LoadSystemLibrary(L"version.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(Lowered(ModuleFolder(module)), Lowered(std::wstring(system, length)));
  FreeLibrary(module);
}

// A real library planted beside the exe under a name the system lacks: the search by bare name finds it
// there, the system folder's does not.
TEST(LoadSystemLibraryTest, ALibraryOnlyBesideTheExeIsNotLoaded) {
  wchar_t system[MAX_PATH];
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring source = std::wstring(system, length) + L"\\version.dll";
  const std::wstring planted = ModuleFolder(nullptr) + L"\\zv_planted_only_here.dll";
  ASSERT_TRUE(CopyFileW(source.c_str(), planted.c_str(), FALSE));
  HMODULE byBareName = LoadLibraryW(L"zv_planted_only_here.dll");
  EXPECT_NE(byBareName, nullptr);
  if (byBareName != nullptr) FreeLibrary(byBareName);
  EXPECT_EQ(LoadSystemLibrary(L"zv_planted_only_here.dll"), nullptr);
  DeleteFileW(planted.c_str());
}

}  // namespace
}  // namespace zv::platform
