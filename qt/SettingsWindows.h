#pragma once
#include <string>

#include "dialogue/HotkeySetup.h"
#include "progress/AutoSaveSettings.h"
#include "progress/Jump.h"
#include "qt/FormWindow.h"

namespace lumivox {

class IndexModel;
class Prompter;
struct DialogueState;

// The main window's small modal windows, each drawn from its control table
// over its own logic. Each opens centred and deletes itself when closed.

// HotkeysSetup: the advance key, taken at the next start, and the player
// keys, taken at once.
class HotkeysWindow final : public FormWindow, public HotkeySetupView {
  Q_OBJECT
 public:
  static void open(QWidget* mainWindow, PlayerKeysHost& keys, Prompter& prompter);
  bool isOptionSelected(std::size_t row) const override { return isChecked("Option" + std::to_string(row + 1)); }
  std::string playerKeyText(std::size_t row) const override;
  void setPlayerKeyText(std::size_t row, const std::string& text) override;
  void closeWindow() override { close(); }

 private:
  HotkeysWindow(QWidget* mainWindow, PlayerKeysHost& keys, Prompter& prompter);
  void onConfirm() override { applyHotkeySetup(*this, keys_, prompter_); }
  PlayerKeysHost& keys_;
  Prompter& prompter_;
};

// TextNO: jump to a line of the dialogue.
class JumpWindow final : public FormWindow, public JumpView {
  Q_OBJECT
 public:
  static void open(QWidget* mainWindow, DialogueState& state, Prompter& prompter);
  std::string typedText() const override { return text("Text1"); }
  void unload() override { close(); }

 private:
  JumpWindow(DialogueState& state, Prompter& prompter);
  void onConfirm() override { confirmJump(state_, *this, prompter_); }
  DialogueState& state_;
  Prompter& prompter_;
};

// AutoSave: how often progress is saved by itself.
class AutoSaveWindow final : public FormWindow, public AutoSaveSettingsView {
  Q_OBJECT
 public:
  static void open(QWidget* mainWindow, IndexModel& index, Prompter& prompter);
  std::string typedText() const override { return text("Text1"); }
  void setTypedText(const std::string& text) override { setText("Text1", text); }
  void unload() override { close(); }

 private:
  AutoSaveWindow(IndexModel& index, Prompter& prompter);
  void onConfirm() override { confirmAutoSaveSettings(*this, index_, prompter_); }
  IndexModel& index_;
  Prompter& prompter_;
};

// The help window: the help text and a button that closes it. Returns once
// it is closed.
class HelpWindow final : public FormWindow {
  Q_OBJECT
 public:
  static void open(QWidget* mainWindow);

 private:
  explicit HelpWindow(QWidget* mainWindow);
};

}  // namespace lumivox
