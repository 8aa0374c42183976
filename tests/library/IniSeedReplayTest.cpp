// The fuzz target's checks of the library reader and writer (against the
// reference model in fuzz/) on its seeds and on what fuzzing kept of its
// findings, in every build: a round trip of each through reader and writer.

#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/IniCheck.h"
#include "support/Files.h"

TEST(IniSeedReplay, EverySeedPassesTheReaderAndWriterChecks) {
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(LUMIVOX_INI_SEEDS_DIR)) {
    EXPECT_EQ(inicheck::check(readBytes(entry.path())), "") << entry.path().filename();
    ++seeds;
  }
  EXPECT_GE(seeds, 9);
}

// The model tells the faults the writer once had from sound output.
TEST(IniSeedReplay, TheModelTellsTheWritersOldFaults) {
  // Glued to a last line ending in a lone CR: the entry cannot be read back, X changes.
  const model::Reader glued("[Quorra]\r\n0=hi\r\n[T]\r\nX=1\rT=30\r");
  EXPECT_EQ(glued.find("T", "T"), std::nullopt);
  EXPECT_EQ(glued.find("T", "X"), "1\rT=30");
  // A section appended after a lone CR with a CR LF of its own: key 0 gains a CR.
  EXPECT_EQ(model::Reader("[Quorra]\r\n0=hi\r").find("Quorra", "0"), "hi");
  EXPECT_EQ(model::Reader("[Quorra]\r\n0=hi\r\r\n[T]\r\nT=30\r\n").find("Quorra", "0"), "hi\r");
}
