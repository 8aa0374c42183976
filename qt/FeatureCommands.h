#pragma once

namespace lumivox {

class IndexWindow;

// Each feature connects its menu items, labels and timers to the main window.
void connectDialogueCommands(IndexWindow& window);  // tracks, doors, hotkeys, debug mode
void connectProgressCommands(IndexWindow& window);  // stepping, jump, progress files, auto-save
void connectInfoCommands(IndexWindow& window);      // About, reports, help, counter page
void connectLauncherCommands(IndexWindow& window);  // the game launcher
void connectShowCommands(IndexWindow& window);      // the show window

}  // namespace lumivox
