#pragma once
#include <gtest/gtest.h>

#include <string>

#include "dialogue/DialogueState.h"
#include "dialogue/KeyPoll.h"
#include "platform/KeyWatch.h"
#include "support/FakeIndexModel.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"

// A working folder whose libraries name every line after its track and
// number ("主线第7", "门第3"), the main window faked, the main story active.
class ProgressFixture : public ::testing::Test {
 protected:
  TempWorkDir dir{TempWorkDir::Data::None};
  lumivox::DialogueState state;
  FakeIndexModel view;
  ScriptedPrompter prompter;

  void SetUp() override {
    std::filesystem::create_directory(dir.dataDir());
    writeGbk(dir.dataDir() / "Quorra.data", numberedLines("Quorra", 200, "主线第") + "[T]\r\nT=45\r\n");
    writeGbk(dir.dataDir() / "Door.data", numberedLines("Door", 30, "门第"));
    state.activeTrack = "IndexText";
    lumivox::refreshLibraryPaths(state, view);
  }

  // One press of the advance key as the poll sees it.
  void advance() {
    lumivox::pollTick(state, true, view);
  }

  std::string data(const char* name) const { return readBytes(dir.dataDir() / name); }
  void putData(const char* name, const std::string& bytes) const { writeBytes(dir.dataDir() / name, bytes); }

  static std::string numberedLines(const char* section, int count, const char* prefix) {
    std::string text = std::string("[") + section + "]\r\n";
    for (int i = 0; i < count; ++i) text += std::to_string(i) + "=" + prefix + std::to_string(i) + "\r\n";
    return text;
  }
};
