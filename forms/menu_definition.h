// The hidden menu form's definition and its popup menu, the tray menu.
#pragma once

#include "platform/forms/definition.h"
#include "platform/forms/menu.h"

namespace zv::definitions {

const forms::FormDefinition& FormMenuDefinition();
// m_Menu: home page, the four pages, exit.
const forms::MenuDefinition& TrayMenuDefinition();

}  // namespace zv::definitions
