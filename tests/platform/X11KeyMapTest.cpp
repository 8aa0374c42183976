#include <gtest/gtest.h>
#include <X11/keysym.h>

#include "platform/KeyWatch.h"
#include "platform/X11KeyMap.h"

using lumivox::virtualKeysForKeysym;
namespace vk = lumivox::vk;

TEST(X11KeyMap, AdvanceKeys) {
  EXPECT_EQ(virtualKeysForKeysym(XK_space), std::vector<int>{vk::Space});
  EXPECT_EQ(virtualKeysForKeysym(XK_Return), std::vector<int>{vk::Return});
  EXPECT_EQ(virtualKeysForKeysym(XK_KP_Enter), std::vector<int>{vk::Return});
  EXPECT_EQ(virtualKeysForKeysym(XK_Escape), std::vector<int>{vk::Escape});
  EXPECT_EQ(virtualKeysForKeysym(XK_Tab), std::vector<int>{vk::Tab});
}

TEST(X11KeyMap, EitherSideOfAModifierCountsAsTheGenericKey) {
  EXPECT_EQ(virtualKeysForKeysym(XK_Shift_L), (std::vector<int>{vk::Shift, vk::LeftShift}));
  EXPECT_EQ(virtualKeysForKeysym(XK_Shift_R), (std::vector<int>{vk::Shift, vk::RightShift}));
  EXPECT_EQ(virtualKeysForKeysym(XK_Control_L), (std::vector<int>{vk::Control, vk::LeftControl}));
  EXPECT_EQ(virtualKeysForKeysym(XK_Control_R), (std::vector<int>{vk::Control, vk::RightControl}));
  EXPECT_EQ(virtualKeysForKeysym(XK_Alt_L), (std::vector<int>{vk::Menu, vk::LeftMenu}));
  EXPECT_EQ(virtualKeysForKeysym(XK_Alt_R), (std::vector<int>{vk::Menu, vk::RightMenu}));
}

TEST(X11KeyMap, LettersDigitsAndUnknownKeys) {
  EXPECT_EQ(virtualKeysForKeysym(XK_a), std::vector<int>{'A'});
  EXPECT_EQ(virtualKeysForKeysym(XK_7), std::vector<int>{'7'});
  EXPECT_TRUE(virtualKeysForKeysym(XK_Menu).empty());
}

TEST(X11KeyMap, PlayerKeys) {
  EXPECT_EQ(virtualKeysForKeysym(XK_Pause), std::vector<int>{vk::Pause});
  EXPECT_EQ(virtualKeysForKeysym(XK_Prior), std::vector<int>{vk::PageUp});
  EXPECT_EQ(virtualKeysForKeysym(XK_Next), std::vector<int>{vk::PageDown});
  EXPECT_EQ(virtualKeysForKeysym(XK_F1), std::vector<int>{vk::F1});
  EXPECT_EQ(virtualKeysForKeysym(XK_F24), std::vector<int>{vk::F1 + 23});
  EXPECT_EQ(virtualKeysForKeysym(XK_KP_Home), std::vector<int>{vk::Numpad0 + 7});
  EXPECT_EQ(virtualKeysForKeysym(XK_KP_7), std::vector<int>{vk::Numpad0 + 7});
}
