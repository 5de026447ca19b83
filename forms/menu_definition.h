// The hidden menu form's definition and its popup menu, the tray menu.
#pragma once

#include "platform/forms/definition.h"
#include "platform/forms/menu.h"

namespace zv::forms {

const FormDefinition& FormMenuDefinition();
// m_Menu: home page, the four pages, exit.
const MenuDefinition& TrayMenuDefinition();

}  // namespace zv::forms
