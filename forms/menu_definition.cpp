// FormMenu as data: a small window that is never shown and owns the tray menu.
#include "forms/menu_definition.h"

namespace zv::definitions {

using namespace forms;  // the window model the definitions are written in

const FormDefinition& FormMenuDefinition() {
  static const FormDefinition definition{
      .name = "FormMenu",
      .caption = "Menu",
      .clientSize = {233, 10},
      .border = FormBorder::FixedSingle,
      .font = Font{.face = "Arial", .points = 9, .charset = kCharsetDefault}};
  return definition;
}

const MenuDefinition& TrayMenuDefinition() {
  static const MenuDefinition definition{.name = "m_Menu",
                                         .caption = "m_Menu",
                                         .items = {{"m_HomePage", "官方网站"},
                                                   {"s1", "-"},
                                                   {"m_State", "状态"},
                                                   {"m_Setting", "设置"},
                                                   {"m_Log", "记录"},
                                                   {"m_About", "关于"},
                                                   {"s2", "-"},
                                                   {"m_Exit", "退出", "Ctrl+X"}}};
  return definition;
}

}  // namespace zv::definitions
