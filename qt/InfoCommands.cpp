#include "qt/InfoCommands.h"

#include <QTextBrowser>
#include <QTimer>

#include "qt/FeatureCommands.h"
#include "qt/IndexWindow.h"
#include "qt/AboutWindow.h"
#include "info/CounterPage.h"
#include "qt/CounterPageBrowser.h"
#include "qt/HelpWindow.h"
#include "info/Reports.h"
#include "platform/Clipboard.h"

namespace lumivox {
namespace {

// Stands in when the program was started without a clipboard: every report
// then ends with its failure message.
class MissingClipboard final : public Clipboard {
 public:
  void clear() override { throw ClipboardError("no clipboard"); }
  void setText(const std::string&) override { throw ClipboardError("no clipboard"); }
};

Clipboard& clipboardOf(IndexWindow& window) {
  static MissingClipboard missing;
  return window.clipboard() ? *window.clipboard() : missing;
}

}  // namespace

void connectInfoCommands(IndexWindow& window) {
  auto* page = new CounterPageBrowser(window.findChild<QTextBrowser*>(QStringLiteral("UserNumberBrowser")));
  QObject::connect(window.findChild<QTimer*>(QStringLiteral("UserNumberTi")), &QTimer::timeout, page,
                   [&window, page] { counterPageTick(page->busy(), window); });

  window.onMenuItem("使用帮助", [&window] { showHelpWindow(&window); });
  window.onMenuItem("关于", [&window] { showAboutWindow(&window, window, window.prompter()); });
  window.onMenuItem("错误报告", [&window] {
    runErrorReport(window.state(), window, window.prompter(), clipboardOf(window));
  });
  window.onMenuItem("建议报告", [&window] { runSuggestionReport(window, window.prompter(), clipboardOf(window)); });
}

void startCounterPage(IndexWindow& window, const std::string& path) {
  window.setTimerEnabled("UserNumberTi", true);
  if (auto* page = window.findChild<CounterPageBrowser*>()) page->navigate(path);
}

}  // namespace lumivox
