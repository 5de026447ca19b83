// Answers inspection requests about a form's controls.
#include "platform/win32/forms/automation_win32.h"

#include <sstream>
#include <string>

#include "platform/forms/controls.h"

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
  std::ostringstream out;
  out << "found=1\ncaption=" << Escape(CaptionOf(*c)) << "\nvisible=" << (c->Visible() ? 1 : 0)
      << "\nenabled=" << (c->Enabled() ? 1 : 0) << "\nleft=" << r.left << "\ntop=" << r.top
      << "\nwidth=" << r.Width() << "\nheight=" << r.Height() << "\n";
  if (c->Kind() == forms::ControlKind::CheckBox) out << "value=" << static_cast<forms::CheckBox&>(*c).Value() << "\n";
  return out.str();
}

}  // namespace

bool AnswerInspection(forms::Form& form, HWND self, WPARAM replyTo, const COPYDATASTRUCT* request) {
  if (request == nullptr || request->dwData != kInspectRequest || request->lpData == nullptr) return false;
  std::istringstream in(std::string(static_cast<const char*>(request->lpData), request->cbData));
  std::string verb, name;
  int index = -1;
  in >> verb >> name >> index;
  if (verb != "query") return false;
  const std::string reply = Describe(form, name, index);
  COPYDATASTRUCT answer{kInspectReply, static_cast<DWORD>(reply.size()), const_cast<char*>(reply.data())};
  SendMessageW(reinterpret_cast<HWND>(replyTo), WM_COPYDATA, reinterpret_cast<WPARAM>(self),
               reinterpret_cast<LPARAM>(&answer));
  return true;
}

}  // namespace zv::platform
