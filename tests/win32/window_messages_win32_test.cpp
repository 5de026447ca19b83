// Registered window messages: one number per name, whatever its case.
#include "platform/win32/window_messages_win32.h"

#include <gtest/gtest.h>

namespace zv::platform {
namespace {

TEST(WindowMessagesWin32Test, ANameRegistersAsOneNumberInAnyCase) {
  Win32WindowMessages messages;
  const std::uint32_t created = messages.RegisterMessage("TaskbarCreated");
  EXPECT_GE(created, 0xC000u);
  EXPECT_EQ(messages.RegisterMessage("taskbarcreated"), created);
  EXPECT_NE(messages.RegisterMessage("Zorvane 测试消息"), created);
}

}  // namespace
}  // namespace zv::platform
