#include "win32/SettingsWindows.h"

#include "dialogue/HotkeysForm.h"
#include "info/HelpForm.h"
#include "progress/AutoSaveForm.h"
#include "progress/JumpForm.h"

namespace lumivox {

HotkeysWindow::HotkeysWindow(HWND mainWindow, PlayerKeysHost& keys, Prompter& prompter)
    : FormWindow(hotkeysForm(), mainWindow), keys_(keys), prompter_(prompter) {}

void HotkeysWindow::open(HWND mainWindow, PlayerKeysHost& keys, Prompter& prompter) {
  auto* window = new HotkeysWindow(mainWindow, keys, prompter);
  if (!window->create()) {
    delete window;
    return;
  }
  loadHotkeySetup(*window, keys);
  window->showModal();
}

std::string HotkeysWindow::playerKeyText(std::size_t row) const { return form().text(playerKeyFieldName(row)); }

void HotkeysWindow::setPlayerKeyText(std::size_t row, const std::string& text) {
  form().setText(playerKeyFieldName(row), text);
}

JumpWindow::JumpWindow(HWND mainWindow, DialogueState& state, Prompter& prompter)
    : FormWindow(jumpForm(), mainWindow), state_(state), prompter_(prompter) {}

void JumpWindow::open(HWND mainWindow, DialogueState& state, Prompter& prompter) {
  openModal(new JumpWindow(mainWindow, state, prompter));
}

AutoSaveWindow::AutoSaveWindow(HWND mainWindow, IndexModel& index, Prompter& prompter)
    : FormWindow(autoSaveForm(), mainWindow), index_(index), prompter_(prompter) {}

void AutoSaveWindow::open(HWND mainWindow, IndexModel& index, Prompter& prompter) {
  auto* window = new AutoSaveWindow(mainWindow, index, prompter);
  if (!window->create()) {
    delete window;
    return;
  }
  // Its load before it shows.
  loadAutoSaveSettings(*window, index, prompter);
  window->showModal();
}

HelpWindow::HelpWindow(HWND mainWindow) : FormWindow(helpForm(), mainWindow) {}

void HelpWindow::open(HWND mainWindow) { openModal(new HelpWindow(mainWindow)); }

}  // namespace lumivox
