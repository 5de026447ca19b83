// Profile files through the wide profile functions, new files created as UTF-16.
#include "platform/win32/profile_file_win32.h"

#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {
namespace {

// The profile functions write a file in the encoding they find it in and create a missing one in the
// ANSI code page, which cannot hold every text. A new file therefore starts as an empty UTF-16LE file
// with its byte-order mark; an existing file, ANSI or Unicode, is left as it is.
void CreateUnicodeFileIfMissing(const std::wstring& path) {
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return;
  if (GetLastError() != ERROR_FILE_NOT_FOUND) return;  // a missing folder fails the write by itself
  FileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  static constexpr unsigned char kByteOrderMark[] = {0xFF, 0xFE};
  DWORD written = 0;
  WriteFile(file.get(), kByteOrderMark, sizeof(kByteOrderMark), &written, nullptr);
}

}  // namespace

std::size_t Win32ProfileFile::Read(std::string_view path, std::string_view section, std::string_view key,
                                   std::size_t bufferChars, std::string& value) {
  value.clear();
  if (bufferChars == 0) return 0;
  std::wstring buffer(bufferChars, L'\0');
  const DWORD copied =
      GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"", buffer.data(),
                               static_cast<DWORD>(bufferChars), Widen(path).c_str());
  value = Narrow(std::wstring_view(buffer.data(), copied));
  return copied;
}

bool Win32ProfileFile::Write(std::string_view path, std::string_view section, std::string_view key,
                             std::string_view value) {
  const std::wstring widePath = Widen(path);
  CreateUnicodeFileIfMissing(widePath);
  return WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                    widePath.c_str()) != 0;
}

}  // namespace zv::platform
