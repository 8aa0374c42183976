// Which player key acts at a tick, from key events recorded in the order
// they happen between two ticks.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "dialogue/PlayerKeys.h"
#include "platform/KeyWatch.h"
#include "support/ScriptedKeyWatch.h"

using namespace lumivox;

namespace {

constexpr auto kStepForward = static_cast<std::size_t>(PlayerAction::StepForward);

struct Poll {
  explicit Poll(bool seesOrder) { watch.seesOrder = seesOrder; }
  ScriptedKeyWatch watch;
  PlayerKeys keys;
  int dialogueKey = vk::Space;

  PlayerKeys::Tick tick() { return keys.tick(watch, dialogueKey); }
  // Each key goes down in turn, then all come up in the other order, as a
  // controller's button or a macro key sends a combination: before the tick.
  void atOnce(std::initializer_list<int> sent) {
    for (int key : sent) watch.hold(key);
    for (auto key = std::rbegin(sent); key != std::rend(sent); ++key) watch.release(*key);
  }
  std::vector<std::size_t> acted(const PlayerKeys::Tick& tick) const {
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < kPlayerActionCount; ++row)
      if (tick.acted[row]) rows.push_back(row);
    return rows;
  }
};

}  // namespace

// Whether the watch knows the order of key events (X11) or samples states
// (Windows), a combination over between two ticks acts once, with exactly
// its modifiers, and never counts as a dialogue press, not even when the
// dialogue key is one of its modifiers.
TEST(PlayerKeys, ACombinationSentAtOnceActsOnceWithExactlyItsModifiers) {
  for (bool seesOrder : {true, false}) {
    SCOPED_TRACE(seesOrder ? "events in order" : "sampled states");
    for (int dialogueKey : {vk::Space, vk::Control}) {
      Poll poll(seesOrder);
      poll.dialogueKey = dialogueKey;
      poll.atOnce({vk::Control, vk::Menu, vk::PageDown});
      PlayerKeys::Tick tick = poll.tick();
      EXPECT_EQ(poll.acted(tick), std::vector<std::size_t>{kStepForward}) << dialogueKey;
      EXPECT_FALSE(tick.advance);
      for (int i = 0; i < 3; ++i) {
        tick = poll.tick();
        EXPECT_TRUE(poll.acted(tick).empty());
        EXPECT_FALSE(tick.advance) << "the modifier that is the dialogue key, after the combination";
      }

      poll.atOnce({vk::Control, vk::Menu, vk::Shift, vk::PageDown});
      EXPECT_TRUE(poll.acted(poll.tick()).empty()) << "a modifier more is another combination";
      poll.atOnce({vk::Menu, vk::PageDown});
      EXPECT_TRUE(poll.acted(poll.tick()).empty()) << "so is one less";
    }
  }
}

// A watch that knows the order tells a modifier pressed for something else
// in the same tick from one held with the key. With sampled states any
// modifier pressed within the tick counts as held: a combination with a
// modifier more does nothing, which is the safe side.
TEST(PlayerKeys, WhatTheOrderTellsWithinOneTick) {
  for (bool seesOrder : {true, false}) {
    SCOPED_TRACE(seesOrder ? "events in order" : "sampled states");
    Poll poll(seesOrder);
    poll.atOnce({vk::Shift});
    poll.atOnce({vk::Control, vk::Menu, vk::PageDown});
    EXPECT_EQ(poll.acted(poll.tick()).empty(), !seesOrder) << "Shift let go before the combination";

    if (seesOrder) {
      poll.atOnce({vk::PageDown});
      poll.atOnce({vk::Control, vk::Menu});
      EXPECT_TRUE(poll.acted(poll.tick()).empty()) << "Ctrl+Alt after the key";
    }

    // A modifier let go ticks ago is not held with a key pressed now.
    PlayerKeySet keys = defaultPlayerKeys();
    keys[kStepForward] = *parseKeyCombo("PgDown");
    poll.keys.set(keys);
    poll.atOnce({vk::Control});
    poll.tick();
    poll.tick();
    poll.atOnce({vk::PageDown});
    EXPECT_EQ(poll.acted(poll.tick()), std::vector<std::size_t>{kStepForward});
  }
}
