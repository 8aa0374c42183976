#pragma once
#include <windows.h>

#include <map>
#include <memory>

#include "app/ShowController.h"
#include "app/ShowView.h"
#include "common/ControlTable.h"
#include "win32/Win32Ticker.h"
#include "win32/XpProgressBarControl.h"

namespace lumivox {

class Prompter;

// The show window ShowFrm over its controller: borderless, layered for its
// fade, the picture, the status label and the XP-style bar. It deletes itself
// when its window goes.
class ShowFrmWindow final : public ShowView {
 public:
  static constexpr wchar_t kClassName[] = L"LumivoxShowFrm";

  // Creates the window, not yet shown, and runs its load; null when the
  // system refuses the window.
  static ShowFrmWindow* create(ShowFrmMembers& members, ShowHost& host, HWND mainWindow, Prompter& prompter);
  void open() { controller_->open(); }

  // ShowView
  void setControlText(std::string_view control, const std::string& text) override;
  std::int32_t barValue() const override;
  void setBarValue(std::int32_t value) override;
  void setBarMaximum(std::int32_t maximum) override;
  int setOpacity(std::int16_t level) override;
  void showModal() override;
  void unload() override;
  void showMainWindow() override;

 private:
  ShowFrmWindow(HWND mainWindow, Prompter& prompter) : mainWindow_(mainWindow), prompter_(prompter) {}
  ~ShowFrmWindow() override;
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void setUpControl(const ControlRow& row, int dpi);

  HWND mainWindow_;
  Prompter& prompter_;
  HWND window_ = nullptr;
  bool created_ = false;
  std::map<HWND, const ControlRow*> labels_;
  HBITMAP picture_ = nullptr;
  HBRUSH background_ = nullptr;
  std::unique_ptr<XpProgressBarControl> bar_;
  std::unique_ptr<Win32Ticker> ticker_;
  std::unique_ptr<ShowController> controller_;
};

}  // namespace lumivox
