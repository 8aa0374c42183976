#include <gtest/gtest.h>

#include "dialogue/KeyCombo.h"
#include "platform/KeyWatch.h"

using namespace lumivox;

// What Qt writes reads back to itself; what people type reads to the same;
// what the watch cannot see or is not one combination reads to nothing.
TEST(KeyCombo, RoundTripsAndRefusals) {
  for (const char* text : {"Ctrl+Alt+PgUp", "Pause", "Ctrl+Shift+F9", "Alt+Shift+A", "F24", "Num+5", "Num++",
                           "Ctrl+Num+*", "Print", "ScrollLock", "Esc", "Ins", "Del", "Backspace", "Return", "7", ""})
    EXPECT_EQ(formatKeyCombo(parseKeyCombo(text).value()), text) << text;
  EXPECT_EQ(parseKeyCombo(" ctrl + alt + left "), (KeyCombo{vk::Left, true, true, false}));
  EXPECT_EQ(formatKeyCombo(*parseKeyCombo("shift+control+alt+pageup")), "Ctrl+Alt+Shift+PgUp");
  EXPECT_EQ(formatKeyCombo(*parseKeyCombo("Enter")), "Return");
  for (const char* text : {"Ctrl", "Ctrl+", "+", "Ctrl++", "Meta+A", "Ctrl+Ctrl+A", "Ctrl+A, B", "F0", "F25", "F01",
                           "Num+A", "Ä", "AB"})
    EXPECT_FALSE(parseKeyCombo(text)) << text;
}
