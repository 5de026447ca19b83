// Win32 implementations of the forms runtime's services.
#include "platform/win32/forms/runtime_win32.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "platform/deflated_bmp.h"
#include "platform/forms/timer.h"
#include "platform/picture_scaling.h"
#include "platform/win32/dpi_awareness_win32.h"
#include "platform/win32/forms/input_state_win32.h"
#include "platform/win32/text_win32.h"

namespace zv::platform {
namespace {

constexpr wchar_t kTimerWindowClass[] = L"ZorvaneTimers";

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

Win32TimerService::Win32TimerService(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kTimerWindowClass;
  RegisterClassW(&wc);
  window_ =
      CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32TimerService::~Win32TimerService() {
  for (const auto& [id, timer] : byId_) KillTimer(window_, id);
  if (window_ != nullptr) DestroyWindow(window_);
}

void Win32TimerService::Start(forms::Timer& timer, int intervalMs) {
  Stop(timer);
  const UINT_PTR id = nextId_++;
  if (SetTimer(window_, id, static_cast<UINT>(intervalMs), nullptr) == 0) return;
  byId_[id] = &timer;
  byTimer_[&timer] = id;
}

void Win32TimerService::Stop(forms::Timer& timer) {
  auto it = byTimer_.find(&timer);
  if (it == byTimer_.end()) return;
  KillTimer(window_, it->second);
  byId_.erase(it->second);
  byTimer_.erase(it);
}

void Win32TimerService::OnTimer(UINT_PTR id) {
  auto it = byId_.find(id);
  if (it != byId_.end()) it->second->Tick();
}

LRESULT CALLBACK Win32TimerService::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto* self = reinterpret_cast<Win32TimerService*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr) self->OnTimer(wParam);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void Win32MessageBoxes::Show(std::string_view text, forms::MessageIcon icon) {
  HWND owner = GetActiveWindow();
  UINT style = MB_OK | (icon == forms::MessageIcon::Information ? MB_ICONINFORMATION : 0);
  // With no window of ours active, the box is modal to the whole program and comes to the front.
  if (owner == nullptr) style |= MB_TASKMODAL | MB_SETFOREGROUND;
  const std::wstring caption = Widen(forms::Application::kTitle);
  MessageBoxW(owner, Widen(text).c_str(), caption.c_str(), style);
}

void DispatchUiMessage(MSG& msg) {
  HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && msg.message == WM_KEYDOWN &&
      SendMessageW(root, kPreviewKeyMessage, msg.wParam, KeyShiftState()) != 0) {
    return;
  }
  if (root != nullptr && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST &&
      IsDialogMessageW(root, &msg)) {
    return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32EventLoop::DoEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave it for the outermost loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    DispatchUiMessage(msg);
  }
}

void Win32EventLoop::Quit() {
  if (quitting_) return;
  quitting_ = true;
  PostQuitMessage(0);
}

int Win32EventLoop::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchUiMessage(msg);
  return static_cast<int>(msg.wParam);
}

std::string Win32Application::Folder() {
  std::wstring path = ModulePath();
  const size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  path.resize(slash);
  // A drive root keeps its separator: "C:\".
  if (path.size() == 2 && path[1] == L':') path += L'\\';
  return Narrow(path);
}

std::string Win32Application::ExeName() {
  std::wstring path = ModulePath();
  const size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return Narrow(name);
}

int Win32Application::ScreenDpi() { return SystemDpi(); }

Size Win32Application::ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::optional<Picture> ResourcePictures::Load(std::string_view name, int setDpi) const {
  std::wstring resourceName = Widen(name);
  std::transform(resourceName.begin(), resourceName.end(), resourceName.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  if (setDpi != kStandardDpi) resourceName += L"_" + std::to_wstring(setDpi * 100 / kStandardDpi);
  HRSRC info = FindResourceW(instance_, resourceName.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (info == nullptr) return std::nullopt;
  HGLOBAL data = LoadResource(instance_, info);
  const void* bytes = data != nullptr ? LockResource(data) : nullptr;
  if (bytes == nullptr) return std::nullopt;
  return InflateBmp({static_cast<const std::uint8_t*>(bytes), SizeofResource(instance_, info)});
}

const Picture* ResourcePictures::Find(std::string_view name, int dpi) {
  const std::pair<std::string, int> key{std::string(name), dpi};
  auto it = cache_.find(key);
  if (it == cache_.end()) {
    Entry entry;
    int drawnDpi = PictureSetDpi(dpi);
    entry.picture = Load(name, drawnDpi);
    if (!entry.picture && drawnDpi != kStandardDpi) {
      drawnDpi = kStandardDpi;
      entry.picture = Load(name, drawnDpi);
    }
    if (entry.picture) {
      const Size drawn{entry.picture->width, entry.picture->height};
      const Size size = PictureSizeAt(PictureSizeAt96(drawn, drawnDpi), dpi);
      if (size != drawn) {
        entry.picture = ResizeSmooth(*entry.picture, size);
        entry.resized = true;
      }
    }
    it = cache_.emplace(key, std::move(entry)).first;
  }
  return it->second.picture ? &*it->second.picture : nullptr;
}

// A picture larger than this is decoded again for each paint that needs it (a few milliseconds for the
// window's background, which paints when it is shown or uncovered) rather than kept between paints.
constexpr size_t kKeptPixels = 64 * 1024;

void ResourcePictures::Trim() {
  std::erase_if(cache_, [](const auto& item) {
    const Entry& entry = item.second;
    return entry.picture && !entry.resized && entry.picture->pixels.size() > kKeptPixels;
  });
}

}  // namespace zv::platform
