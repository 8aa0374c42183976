#include "win32/SettingsWindows.h"

#include "dialogue/HotkeysForm.h"
#include "info/HelpForm.h"
#include "progress/AutoSaveForm.h"
#include "progress/JumpForm.h"

namespace lumivox {
namespace {

// Made, shown modally, and focused on a control; deleted when refused.
template <typename Window>
Window* showMade(Window* window, const char* focus) {
  if (!window->create()) {
    delete window;
    return nullptr;
  }
  window->showModal();
  if (HWND control = window->form().control(focus)) SetFocus(control);
  return window;
}

}  // namespace

HotkeysWindow::HotkeysWindow(HWND mainWindow, Prompter& prompter)
    : FormWindow(hotkeysForm(), mainWindow), prompter_(prompter) {}

void HotkeysWindow::open(HWND mainWindow, Prompter& prompter) {
  if (auto* window = showMade(new HotkeysWindow(mainWindow, prompter), "Option1"))
    SendMessageW(window->form().control("Option1"), BM_SETCHECK, BST_CHECKED, 0);
}

bool HotkeysWindow::isOptionSelected(std::size_t row) const {
  HWND option = form().control("Option" + std::to_string(row + 1));
  return option && SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void HotkeysWindow::onButton(const std::string& name) {
  if (name == "Command1") applyHotkeySetup(*this, prompter_);
  if (name == "Command2") closeSoon();
}

JumpWindow::JumpWindow(HWND mainWindow, DialogueState& state, Prompter& prompter)
    : FormWindow(jumpForm(), mainWindow), state_(state), prompter_(prompter) {}

void JumpWindow::open(HWND mainWindow, DialogueState& state, Prompter& prompter) {
  auto* window = new JumpWindow(mainWindow, state, prompter);
  if (!window->create()) {
    delete window;
    return;
  }
  window->form().fitWrappedLabels();
  window->showModal();
  SetFocus(window->form().control("Text1"));
}

void JumpWindow::onButton(const std::string& name) {
  if (name == "Command1") confirmJump(state_, *this, prompter_);
}

AutoSaveWindow::AutoSaveWindow(HWND mainWindow, IndexModel& index, Prompter& prompter)
    : FormWindow(autoSaveForm(), mainWindow), index_(index), prompter_(prompter) {}

void AutoSaveWindow::open(HWND mainWindow, IndexModel& index, Prompter& prompter) {
  auto* window = new AutoSaveWindow(mainWindow, index, prompter);
  if (!window->create()) {
    delete window;
    return;
  }
  window->form().fitWrappedLabels();
  // Its load before it shows.
  loadAutoSaveSettings(*window, index, prompter);
  window->showModal();
  SetFocus(window->form().control("Text1"));
}

void AutoSaveWindow::onButton(const std::string& name) {
  if (name == "Command1") confirmAutoSaveSettings(*this, index_, prompter_);
}

HelpWindow::HelpWindow(HWND mainWindow) : FormWindow(helpForm(), mainWindow) {}

void HelpWindow::open(HWND mainWindow) { showMade(new HelpWindow(mainWindow), "Command1"); }

void HelpWindow::onButton(const std::string& name) {
  if (name == "Command1") closeSoon();
}

}  // namespace lumivox
