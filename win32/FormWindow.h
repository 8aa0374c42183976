#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "common/Form.h"
#include "win32/FormBuilder.h"

namespace lumivox {

// A secondary window drawn from its control table: a fixed-size top-level
// window of the class "Lumivox<form name>", its buttons' clicks and its close
// handed to the window's own class. It destroys itself when its window goes.
class FormWindow {
 public:
  FormWindow(const FormSpec& form, HWND owner);
  virtual ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window, not yet shown; false when the system refuses it.
  bool create();
  HWND handle() const { return window_; }
  Win32Form& form() { return *form_; }

  // Enter and Esc press the table's default and cancel buttons wherever the
  // focus is in a window of this kind; true when the key was taken.
  static bool pressTableButton(const MSG& message);

 protected:
  virtual void onButton(const std::string&) {}
  // Whether the window may close.
  virtual bool onCloseRequested() { return true; }
  // The window has gone; the object is deleted right after.
  virtual void onDestroyed() {}

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void press(const std::string& button);

  const FormSpec& spec_;
  HWND owner_;
  HWND window_ = nullptr;
  HBRUSH background_ = nullptr;
  std::unique_ptr<Win32Form> form_;
};

}  // namespace lumivox
