#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "common/ControlTable.h"
#include "win32/FormBuilder.h"

namespace lumivox {

// A secondary window drawn from its control table: a fixed-size top-level
// window of the class "Lumivox<form name>" whose buttons do their table's
// commands, Confirm and the close handed to the window's own class. It
// destroys itself when its window goes.
class FormWindow {
 public:
  FormWindow(const ControlTable& form, HWND owner);
  virtual ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window, not yet shown; false when the system refuses it.
  bool create();
  // Shows it centred on the screen, the table's first focus in it.
  void show();
  // The same, and the window it was made over takes no input until this one
  // has gone. Returns at once.
  void showModal();
  // Creates the window and shows it modally; deletes it when refused.
  static void openModal(FormWindow* window);
  // Closed once the current message is answered: the logic that asks for it
  // may still speak to the window.
  void closeSoon() { PostMessageW(window_, WM_CLOSE, 0, 0); }
  HWND handle() const { return window_; }
  Win32Form& form() { return *form_; }
  const Win32Form& form() const { return *form_; }

  // The keyboard of windows of this kind: Enter and Esc press the table's
  // default and cancel buttons wherever the focus is, Tab and the arrows move
  // the focus as in a dialog. True when the message was taken.
  static bool translateKeys(MSG& message);

 protected:
  virtual void onConfirm() {}
  // Whether the window may close.
  virtual bool onCloseRequested() { return true; }
  // The window has gone; the object is deleted right after.
  virtual void onDestroyed() {}

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void press(const std::string& button);

  const ControlTable& table_;
  HWND owner_;
  HWND window_ = nullptr;
  bool modal_ = false;
  HBRUSH background_ = nullptr;
  std::unique_ptr<Win32Form> form_;
};

}  // namespace lumivox
