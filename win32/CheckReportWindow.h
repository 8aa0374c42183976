#pragma once
#include <windows.h>

#include <functional>

#include "app/CheckReportController.h"

namespace lumivox {

// 帮助 › 检查词库's report: the counts on top, one row a finding in a list
// box below, and 关闭. Modeless and sizable, without an owner but the main
// window while that stays on top; it deletes itself when its window goes and
// tells whoever opened it.
class CheckReportWindow final : public CheckReportView {
 public:
  static constexpr wchar_t kClassName[] = L"LumivoxCheckReport";
  // The controls' identifiers, for tools outside the program; 关闭 is IDCANCEL, so that Esc presses it.
  static constexpr int kSummaryId = 100, kFindingsId = 101;

  // Creates and shows it; null when the system refuses the window.
  static CheckReportWindow* open(std::function<void()> onGone);
  HWND handle() const { return window_; }

  // CheckReportView
  void showReport(const std::string& summary, const std::vector<std::string>& rows) override;

  // Tab, Enter and Esc in the window, as in a dialog. True when the message was taken.
  static bool translateKeys(MSG& message);

 private:
  explicit CheckReportWindow(std::function<void()> onGone) : onGone_(std::move(onGone)) {}
  ~CheckReportWindow() override;
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool createControls();
  void layOut();
  int scaled(int pixels) const;

  std::function<void()> onGone_;
  HWND window_ = nullptr, summary_ = nullptr, findings_ = nullptr, close_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
};

}  // namespace lumivox
