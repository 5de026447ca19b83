// Creation of a form's windows and peers, in the order of its definition.
#include "platform/win32/forms/forms_backend_win32.h"

#include "platform/forms/tab_order.h"
#include "platform/win32/forms/control_peers_win32.h"
#include "platform/win32/forms/hosted_window_win32.h"

namespace zv::platform {

Win32FormsBackend::Win32FormsBackend(HINSTANCE instance, forms::Runtime& runtime)
    : instance_(instance), paint_{forms::Required(runtime.pictures), forms::Required(runtime.colors)} {
  linkCursor_ = LoadCursorW(instance, L"LINK");
  if (linkCursor_ == nullptr) linkCursor_ = LoadCursorW(nullptr, IDC_HAND);
}

void Win32FormsBackend::Load(forms::Form& form) {
  auto surface = std::make_unique<SurfaceWindow>(*this, form, nullptr);
  SurfaceWindow& window = *surface;
  form.AttachFormPeer(surface.get());
  peers_.push_back(std::move(surface));
  RealizeChildren(form, window);
  if (form.onLoad) form.onLoad();
}

// Child windows are stacked in tab order, which is the order the dialog manager's Tab follows.
void Win32FormsBackend::RealizeChildren(forms::Container& container, SurfaceWindow& surface) {
  for (forms::Control* child : forms::ChildrenInTabOrder(container)) Realize(*child, surface);
}

void Win32FormsBackend::Realize(forms::Control& control, SurfaceWindow& surface) {
  HWND parent = surface.Window();
  auto keepChild = [&](std::unique_ptr<ChildWindowPeer> peer) {
    control.AttachPeer(peer.get());
    surface.AddChild(*peer);
    peers_.push_back(std::move(peer));
  };
  switch (control.Kind()) {
    case forms::ControlKind::Label:
    case forms::ControlKind::Image:
    case forms::ControlKind::Shape: {
      auto peer = std::make_unique<WindowlessPeer>(surface, control);
      control.AttachPeer(peer.get());
      peers_.push_back(std::move(peer));
      break;
    }
    case forms::ControlKind::PictureBox: {
      auto& page = static_cast<forms::PictureBox&>(control);
      auto peer = std::make_unique<SurfaceWindow>(*this, page, parent);
      SurfaceWindow& pageWindow = *peer;
      control.AttachPeer(peer.get());
      peers_.push_back(std::move(peer));
      RealizeChildren(page, pageWindow);
      break;
    }
    case forms::ControlKind::CheckBox:
      keepChild(std::make_unique<CheckBoxWindowPeer>(*this, static_cast<forms::CheckBox&>(control), parent));
      break;
    case forms::ControlKind::ComboBox:
      keepChild(std::make_unique<ComboBoxWindowPeer>(*this, static_cast<forms::ComboBox&>(control), parent));
      break;
    case forms::ControlKind::TextBox: {
      auto& text = static_cast<forms::TextBox&>(control);
      auto peer = std::make_unique<TextBoxWindowPeer>(*this, text, parent);
      text.AttachTextPeer(peer.get());
      surface.AddChild(*peer);
      peers_.push_back(std::move(peer));
      break;
    }
    case forms::ControlKind::Button:
      keepChild(std::make_unique<ButtonWindowPeer>(*this, static_cast<forms::Button&>(control), parent));
      break;
    case forms::ControlKind::Hosted: {
      auto peer = std::make_unique<HostedWindow>(*this, static_cast<forms::HostedControl&>(control), parent);
      control.AttachPeer(peer.get());
      peers_.push_back(std::move(peer));
      break;
    }
    case forms::ControlKind::Form:
      break;
  }
}

}  // namespace zv::platform
