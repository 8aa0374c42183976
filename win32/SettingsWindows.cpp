#include "win32/SettingsWindows.h"

#include "dialogue/HotkeysForm.h"
#include "info/HelpForm.h"
#include "progress/AutoSaveForm.h"
#include "progress/JumpForm.h"

namespace lumivox {

HotkeysWindow::HotkeysWindow(HWND mainWindow, Prompter& prompter)
    : FormWindow(hotkeysForm(), mainWindow), prompter_(prompter) {}

void HotkeysWindow::open(HWND mainWindow, Prompter& prompter) { openModal(new HotkeysWindow(mainWindow, prompter)); }

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
