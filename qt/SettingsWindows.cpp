#include "qt/SettingsWindows.h"

#include "dialogue/HotkeysForm.h"
#include "info/HelpForm.h"
#include "progress/AutoSaveForm.h"
#include "progress/JumpForm.h"
#include "qt/FormBuilder.h"

namespace lumivox {
namespace {

// TextNO and AutoSave have no owner; they go with the main window all the same.
template <typename Window>
Window* ownedByTheRun(QObject* mainWindow, Window* window) {
  QObject::connect(mainWindow, &QObject::destroyed, window, [window] { delete window; });
  return window;
}

}  // namespace

HotkeysWindow::HotkeysWindow(QWidget* mainWindow, PlayerKeysHost& keys, Prompter& prompter)
    : FormWindow(hotkeysForm(), mainWindow), keys_(keys), prompter_(prompter) {
  loadHotkeySetup(*this, keys_);
}

void HotkeysWindow::open(QWidget* mainWindow, PlayerKeysHost& keys, Prompter& prompter) {
  (new HotkeysWindow(mainWindow, keys, prompter))->showModal();
}

std::string HotkeysWindow::playerKeyText(std::size_t row) const { return text(playerKeyFieldName(row)); }

void HotkeysWindow::setPlayerKeyText(std::size_t row, const std::string& text) {
  setText(playerKeyFieldName(row), text);
}

JumpWindow::JumpWindow(DialogueState& state, Prompter& prompter)
    : FormWindow(jumpForm(), nullptr), state_(state), prompter_(prompter) {}

void JumpWindow::open(QWidget* mainWindow, DialogueState& state, Prompter& prompter) {
  ownedByTheRun(mainWindow, new JumpWindow(state, prompter))->showModal();
}

AutoSaveWindow::AutoSaveWindow(IndexModel& index, Prompter& prompter)
    : FormWindow(autoSaveForm(), nullptr), index_(index), prompter_(prompter) {}

void AutoSaveWindow::open(QWidget* mainWindow, IndexModel& index, Prompter& prompter) {
  auto* window = ownedByTheRun(mainWindow, new AutoSaveWindow(index, prompter));
  // Its load before it shows.
  loadAutoSaveSettings(*window, index, prompter);
  window->showModal();
}

HelpWindow::HelpWindow(QWidget* mainWindow) : FormWindow(helpForm(), mainWindow) {}

void HelpWindow::open(QWidget* mainWindow) {
  auto* window = new HelpWindow(mainWindow);
  centreOnScreen(window);
  window->exec();
}

}  // namespace lumivox
