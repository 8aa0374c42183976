#pragma once

namespace lumivox {

// What the user can ask of the main window: its menu items and clickable
// labels. Every door entry is one command; only its caption tells the doors apart.
enum class CommandId {
  LaunchGame,
  ShowTrackChoice,
  AutoSaveSettings,
  JumpSettings,
  HotkeySettings,
  Exit,
  MainStory,
  EnterDoor,
  StepBack1,
  StepBack10,
  StepForward1,
  StepForward10,
  NewProgress,
  DebugMode,
  LeaveDebugMode,
  LoadMain,
  SaveMain,
  LoadAutoSaveMain,
  LoadDoor,
  SaveDoor,
  LoadAutoSaveDoor,
  Help,
  ErrorReport,
  SuggestionReport,
  ShowWindow,
  About,
  PauseCounting,
  ShowLines,
  StayOnTop,
  Opacity100,
  Opacity85,
  Opacity70,
  Opacity55,
  CheckLibrary,
  // Only labels of the track choice send these.
  HideTrackChoice,
  OpenGateMenu,
  None,             // a submenu or separator of the menu table
};

}  // namespace lumivox
