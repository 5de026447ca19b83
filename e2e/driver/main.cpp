// zvdriver: a console helper that lets end-to-end scripts look at the program's windows under Wine.
#include <charconv>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "e2e/driver/commands.h"
#include "e2e/driver/console.h"
#include "platform/win32/dpi_awareness_win32.h"
#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::e2e {
namespace {

constexpr char kUsageText[] =
    "usage: zvdriver wait <windowTitle> <timeoutMs>\n"
    "       zvdriver client <windowTitle>\n"
    "       zvdriver visible <windowTitle>\n"
    "       zvdriver memory\n"
    "       zvdriver query <windowTitle> <controlName> [index]\n"
    "       zvdriver captions <windowTitle> <controlName> [<windowTitle> <controlName>...]\n"
    "       zvdriver messagebox <windowTitle> <timeoutMs>\n";

std::optional<int> ParseInt(std::wstring_view text) {
  const std::string narrow = platform::Narrow(text);
  int value = 0;
  auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
  if (error != std::errc() || end != narrow.data() + narrow.size()) return std::nullopt;
  return value;
}

int Usage() {
  WriteError(kUsageText);
  return kUsage;
}

int Dispatch(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  const std::wstring_view command = argv[1];
  if (command == L"memory" && argc == 2) return RunMemory();
  if (command == L"client" && argc == 3) return RunClient(argv[2]);
  if (command == L"visible" && argc == 3) return RunVisible(argv[2]);
  if (command == L"wait" && argc == 4) {
    const std::optional<int> timeoutMs = ParseInt(argv[3]);
    return timeoutMs ? RunWait(argv[2], *timeoutMs) : Usage();
  }
  if (command == L"messagebox" && argc == 4) {
    const std::optional<int> timeoutMs = ParseInt(argv[3]);
    return timeoutMs ? RunMessageBox(argv[2], *timeoutMs) : Usage();
  }
  if (command == L"query" && (argc == 4 || argc == 5)) {
    const std::optional<int> index = argc == 5 ? ParseInt(argv[4]) : std::optional<int>(-1);
    return index ? RunQuery(argv[2], argv[3], *index) : Usage();
  }
  if (command == L"captions" && argc >= 4 && argc % 2 == 0) {
    return RunCaptions(std::span<wchar_t* const>(argv + 2, static_cast<size_t>(argc - 2)));
  }
  return Usage();
}

}  // namespace
}  // namespace zv::e2e

int wmain(int argc, wchar_t** argv) {
  zv::platform::DeclareDpiAwareness();
  SetConsoleOutputCP(CP_UTF8);
  return zv::e2e::Dispatch(argc, argv);
}
