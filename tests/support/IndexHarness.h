#pragma once
#include <memory>

#include "qt/IndexWindow.h"
#include "support/MainWindowParts.h"
#include "support/ScriptedClipboard.h"
#include "support/ScriptedKeyWatch.h"
#include "support/ScriptedProgramStarter.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedRegistry.h"
#include "support/TempWorkDir.h"

// The services beyond boxes and keys that the harness gives the window; the
// others stay unset.
struct IndexHarnessOptions {
  bool otherInstance = false;  // what the check for another running copy answers
  bool clipboard = false;
  bool registry = false;
  bool programs = false;
};

// A main window over scripted services in a working folder of its own, which
// holds a copy of the sample Data folder unless told otherwise. The folder can
// be changed before open() builds and loads the window.
struct IndexHarness : MainWindowParts {
  using Options = IndexHarnessOptions;

  explicit IndexHarness(TempWorkDir::Data data = TempWorkDir::Data::SampleCopy) : dir(data) {}
  // The window goes before the services and the folder it uses.
  ~IndexHarness() { window.reset(); }
  IndexHarness(const IndexHarness&) = delete;
  IndexHarness& operator=(const IndexHarness&) = delete;

  lumivox::IndexWindow& open(Options options = {}) {
    lumivox::MainServices services;
    services.prompter = &prompter;
    services.keys = &keys;
    services.anotherInstanceRunning = [other = options.otherInstance] { return other; };
    services.endProgram = [this] { ++endCalls; };
    if (options.clipboard) services.clipboard = &clipboard;
    if (options.registry) services.registry = &registry;
    if (options.programs) services.programs = &starter;
    window = std::make_unique<lumivox::IndexWindow>(services);
    loaded = window->load();
    return *window;
  }

  TempWorkDir dir;
  ScriptedPrompter prompter;
  ScriptedKeyWatch keys;
  ScriptedClipboard clipboard;
  ScriptedRegistry registry;
  ScriptedProgramStarter starter;
  int endCalls = 0;  // times the window ended the program
  bool loaded = false;
};
