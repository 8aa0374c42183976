#pragma once
#include <string>

#include "dialogue/HotkeySetup.h"
#include "progress/AutoSaveSettings.h"
#include "progress/Jump.h"
#include "win32/FormWindow.h"

namespace lumivox {

class IndexModel;
class Prompter;
struct DialogueState;

// The main window's small modal windows, each drawn from its control table
// over its own logic. Each opens centred, returns at once and deletes itself
// when its window goes.

// HotkeysSetup: the advance key, taken at the next start, and the player
// keys, taken at once.
class HotkeysWindow final : public FormWindow, public HotkeySetupView {
 public:
  static void open(HWND mainWindow, PlayerKeysHost& keys, Prompter& prompter);
  bool isOptionSelected(std::size_t row) const override { return form().isChecked("Option" + std::to_string(row + 1)); }
  std::string playerKeyText(std::size_t row) const override;
  void setPlayerKeyText(std::size_t row, const std::string& text) override;
  void closeWindow() override { closeSoon(); }

 private:
  HotkeysWindow(HWND mainWindow, PlayerKeysHost& keys, Prompter& prompter);
  void onConfirm() override { applyHotkeySetup(*this, keys_, prompter_); }
  PlayerKeysHost& keys_;
  Prompter& prompter_;
};

// TextNO: jump to a line of the dialogue.
class JumpWindow final : public FormWindow, public JumpView {
 public:
  static void open(HWND mainWindow, DialogueState& state, Prompter& prompter);
  std::string typedText() const override { return form().text("Text1"); }
  void unload() override { closeSoon(); }

 private:
  JumpWindow(HWND mainWindow, DialogueState& state, Prompter& prompter);
  void onConfirm() override { confirmJump(state_, *this, prompter_); }
  DialogueState& state_;
  Prompter& prompter_;
};

// AutoSave: how often progress is saved by itself.
class AutoSaveWindow final : public FormWindow, public AutoSaveSettingsView {
 public:
  static void open(HWND mainWindow, IndexModel& index, Prompter& prompter);
  std::string typedText() const override { return form().text("Text1"); }
  void setTypedText(const std::string& text) override { form().setText("Text1", text); }
  void unload() override { closeSoon(); }

 private:
  AutoSaveWindow(HWND mainWindow, IndexModel& index, Prompter& prompter);
  void onConfirm() override { confirmAutoSaveSettings(*this, index_, prompter_); }
  IndexModel& index_;
  Prompter& prompter_;
};

// The help window: the help text and a button that closes it.
class HelpWindow final : public FormWindow {
 public:
  static void open(HWND mainWindow);

 private:
  explicit HelpWindow(HWND mainWindow);
};

}  // namespace lumivox
