#pragma once
#include <windows.h>

#include <memory>

#include "app/IndexView.h"
#include "app/IndexWindows.h"
#include "app/MainController.h"
#include "win32/FormBuilder.h"
#include "win32/IndexMenuBar.h"
#include "win32/Win32Ticker.h"

namespace lumivox {

// The main window Index over its controller: it draws the control and menu
// tables, shows what the controller sets and forwards every command, tick,
// focus change and close request to it. It decides nothing.
class IndexWindow final : public IndexView, public IndexWindows {
 public:
  static constexpr wchar_t kClassName[] = L"LumivoxIndex";

  IndexWindow(HINSTANCE instance, MainServices services);
  ~IndexWindow() override;
  IndexWindow(const IndexWindow&) = delete;
  IndexWindow& operator=(const IndexWindow&) = delete;

  // Creates the window (not yet shown) and runs its load; false when the
  // system refuses the window or the program was ended during the load.
  bool create();
  HWND handle() const { return window_; }
  HACCEL accelerators() const { return menu_.accelerators(); }
  MainController& controller() { return *controller_; }

  // IndexView
  void setControlText(std::string_view control, const std::string& text) override;
  void setBar(std::string_view control, int position, int steps) override;
  void setCommandEnabled(CommandId command, bool enabled) override;
  void setCommandChecked(CommandId command, bool checked) override;
  void popUpGateMenu() override;
  void setOuterHeightTwips(int twips) override;
  void setControlShown(std::string_view control, bool shown) override;
  void setStayOnTop(bool onTop) override;
  void setOpacityPercent(int percent) override;

  // IndexWindows
  void openHotkeys() override;
  void openJump(DialogueState& state) override;
  void openAutoSave(IndexModel& index) override;
  void openHelp() override;
  void openAbout(const std::string& mainLibraryPath) override;
  void raiseAbout() override;
  CheckReportView* openCheckReport(CheckReportController& controller) override;
  void raiseCheckReport() override;
  void openShowWindow(ShowFrmMembers& members, ShowHost& host) override;
  void openLines(LinesController& lines, const std::optional<ScreenRect>& game) override;
  void applyWindowLook(bool onTop, int opacityPercent) override;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK labelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void connectLabels();
  void labelReleased(HWND label, UINT message);
  void fitClientArea();

  HINSTANCE instance_;
  MainServices services_;
  HWND window_ = nullptr;
  IndexMenuBar menu_;
  std::unique_ptr<Win32Form> form_;
  std::unique_ptr<Win32Ticker> ticker_;
  std::unique_ptr<MainController> controller_;
  POINT releasedAt_{};  // where a mouse button was last released over a label
  class AboutWindow* about_ = nullptr;
  class LinesWindow* lines_ = nullptr;
  class CheckReportWindow* checkReport_ = nullptr;
  // The look the windows that follow the main window take as they open.
  bool followersOnTop_ = false;
  int followersOpacity_ = 100;
};

}  // namespace lumivox
