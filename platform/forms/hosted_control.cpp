// What every hosted control takes from its container.
#include "platform/forms/hosted_control.h"

#include "platform/forms/container.h"

namespace zv::forms {

Font HostedControl::AmbientFont() const {
  const Container* container = Parent();
  return container != nullptr ? container->Font() : Font{};
}

}  // namespace zv::forms
