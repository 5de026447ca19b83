// Answers inspection requests about a form's controls.
#include "platform/win32/forms/automation_win32.h"

#include <charconv>
#include <string>
#include <string_view>

#include "platform/forms/controls.h"
#include "platform/forms/hosted_control.h"
#include "platform/win32/forms/forms_backend_win32.h"

namespace zv::platform {
namespace {

std::string CaptionOf(forms::Control& c) {
  switch (c.Kind()) {
    case forms::ControlKind::Label:
      return static_cast<forms::Label&>(c).Caption();
    case forms::ControlKind::CheckBox:
      return static_cast<forms::CheckBox&>(c).Caption();
    case forms::ControlKind::ComboBox:
      return static_cast<forms::ComboBox&>(c).Text();
    case forms::ControlKind::TextBox:
      return static_cast<forms::TextBox&>(c).Text();
    case forms::ControlKind::Button:
      return static_cast<forms::Button&>(c).Caption();
    case forms::ControlKind::Form:
      return static_cast<forms::Form&>(c).Caption();
    default:
      return {};
  }
}

// Whether the control's own window holds the keyboard focus.
bool HasFocus(forms::Control& c) {
  if (c.Kind() == forms::ControlKind::Hosted) {
    forms::HostedSurface* surface = static_cast<forms::HostedControl&>(c).Surface();
    return surface != nullptr && surface->HasFocus();
  }
  auto* child = dynamic_cast<ChildWindowPeer*>(c.Peer());
  return child != nullptr && child->Window() != nullptr && GetFocus() == child->Window();
}

// One reply line per field: CR, LF and the backslash inside a value are written as \r, \n and \\.
std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

std::string Describe(forms::Form& form, const std::string& name, int index) {
  forms::Control* c = name == form.Name() ? &form : form.Find(name, index);
  if (c == nullptr) return "found=0\n";
  const Rect r = c->PixelBounds();
  auto line = [](std::string_view key, const std::string& value) {
    return std::string(key) + "=" + value + "\n";
  };
  std::string out = "found=1\n" + line("caption", Escape(CaptionOf(*c))) +
                    line("visible", c->Visible() ? "1" : "0") + line("enabled", c->Enabled() ? "1" : "0") +
                    line("focused", HasFocus(*c) ? "1" : "0") + line("left", std::to_string(r.left)) +
                    line("top", std::to_string(r.top)) + line("width", std::to_string(r.Width())) +
                    line("height", std::to_string(r.Height()));
  if (c->Kind() == forms::ControlKind::CheckBox) {
    out += line("value", std::to_string(static_cast<forms::CheckBox&>(*c).Value()));
  }
  return out;
}

// "query <name> <index>": false for anything else.
bool ParseRequest(std::string_view request, std::string& name, int& index) {
  constexpr std::string_view kVerb = "query ";
  if (!request.starts_with(kVerb)) return false;
  request.remove_prefix(kVerb.size());
  const size_t space = request.find(' ');
  name = std::string(request.substr(0, space));
  index = -1;
  if (space != std::string_view::npos) {
    const std::string_view number = request.substr(space + 1);
    std::from_chars(number.data(), number.data() + number.size(), index);
  }
  return !name.empty();
}

}  // namespace

bool AnswerInspection(forms::Form& form, HWND self, WPARAM replyTo, const COPYDATASTRUCT* request) {
  if (request == nullptr || request->dwData != kInspectRequest || request->lpData == nullptr) return false;
  std::string name;
  int index = -1;
  if (!ParseRequest({static_cast<const char*>(request->lpData), request->cbData}, name, index)) return false;
  const std::string reply = Describe(form, name, index);
  COPYDATASTRUCT answer{kInspectReply, static_cast<DWORD>(reply.size()), const_cast<char*>(reply.data())};
  SendMessageW(reinterpret_cast<HWND>(replyTo), WM_COPYDATA, reinterpret_cast<WPARAM>(self),
               reinterpret_cast<LPARAM>(&answer));
  return true;
}

}  // namespace zv::platform
