// The query subcommand: a WM_COPYDATA round trip with the program's main window.
#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/common/find_window.h"
#include "e2e/driver/commands.h"
#include "e2e/driver/console.h"
#include "e2e/driver/query_protocol.h"
#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::e2e {
namespace {

constexpr UINT kReplyTimeoutMs = 5000;
constexpr wchar_t kReplyClass[] = L"ZvDriverReply";

struct Reply {
  bool received = false;
  std::string text;
};

LRESULT CALLBACK ReplyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    auto* reply = reinterpret_cast<Reply*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (reply && data && data->dwData == kQueryReplyTag) {
      reply->text.assign(data->cbData ? static_cast<const char*>(data->lpData) : "", data->cbData);
      reply->received = true;
      return TRUE;
    }
    return FALSE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The message-only window the program answers to; it fills `reply` while it lives.
class ReplyWindow {
 public:
  explicit ReplyWindow(Reply& reply) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ReplyWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kReplyClass;
    RegisterClassW(&windowClass);
    handle_ = CreateWindowExW(0, kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, nullptr);
    if (handle_) SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&reply));
  }
  ~ReplyWindow() {
    if (handle_) DestroyWindow(handle_);
    UnregisterClassW(kReplyClass, GetModuleHandleW(nullptr));
  }
  ReplyWindow(const ReplyWindow&) = delete;
  ReplyWindow& operator=(const ReplyWindow&) = delete;

  HWND handle() const { return handle_; }

 private:
  HWND handle_ = nullptr;
};

// Sends the request; the program's answer arrives in the reply window while SendMessage waits.
bool Ask(HWND target, HWND replyWindow, const std::string& request) {
  COPYDATASTRUCT data{};
  data.dwData = kQueryRequestTag;
  data.cbData = static_cast<DWORD>(request.size());
  data.lpData = const_cast<char*>(request.data());
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(replyWindow),
                             reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                             &result) != 0;
}

// The program's reply about one control, empty with a message on stderr when none came.
std::optional<std::string> Query(std::wstring_view title, std::wstring_view controlName, int index) {
  std::vector<HWND> windows = FindTitledWindows(title);
  if (windows.empty()) {
    WriteError("zvdriver query: no top-level window titled \"" + platform::Narrow(title) + "\"\n");
    return std::nullopt;
  }
  Reply reply;
  ReplyWindow replyWindow(reply);
  if (!replyWindow.handle()) {
    WriteError("zvdriver query: cannot create the reply window (error " + std::to_string(GetLastError()) +
               ")\n");
    return std::nullopt;
  }
  const std::string request = "query " + platform::Narrow(controlName) + " " + std::to_string(index);
  // A hidden helper window may share the title; the main window is the one that answers.
  DWORD sendError = 0;
  for (HWND window : windows) {
    if (Ask(window, replyWindow.handle(), request) && reply.received) break;
    if (!reply.received && sendError == 0) sendError = GetLastError();
  }
  if (!reply.received) {
    WriteError("zvdriver query: none of the " + std::to_string(windows.size()) +
               " windows titled so answered (error " + std::to_string(sendError) + ")\n");
    return std::nullopt;
  }
  return std::move(reply.text);
}

std::string_view Field(std::string_view reply, std::string_view key) {
  while (!reply.empty()) {
    const size_t end = std::min(reply.find('\n'), reply.size());
    const std::string_view line = reply.substr(0, end);
    if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=') {
      return line.substr(key.size() + 1);
    }
    reply.remove_prefix(std::min(end + 1, reply.size()));
  }
  return {};
}

}  // namespace

int RunQuery(std::wstring_view title, std::wstring_view controlName, int index) {
  const std::optional<std::string> reply = Query(title, controlName, index);
  if (!reply) return kFailure;
  WriteOut(*reply);
  if (!reply->ends_with('\n')) WriteOut("\n");
  return Field(*reply, "found") == "1" ? kSuccess : kFailure;
}

int RunCaptions(std::span<wchar_t* const> titlesAndControls) {
  std::string lines;
  for (size_t i = 0; i + 1 < titlesAndControls.size(); i += 2) {
    const std::optional<std::string> reply = Query(titlesAndControls[i], titlesAndControls[i + 1], -1);
    if (!reply || Field(*reply, "found") != "1") return kFailure;
    lines += std::string(Field(*reply, "caption")) + "\n";
  }
  WriteOut(lines);
  return kSuccess;
}

}  // namespace zv::e2e
