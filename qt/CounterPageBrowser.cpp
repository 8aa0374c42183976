#include "qt/CounterPageBrowser.h"

#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include "info/CounterPage.h"

namespace lumivox {
namespace {

// The page stands alone: pictures, style sheets and the like named in it are
// neither fetched nor read from files.
class StandAloneDocument final : public QTextDocument {
 public:
  using QTextDocument::QTextDocument;

 protected:
  QVariant loadResource(int, const QUrl&) override { return {}; }
};

}  // namespace

CounterPageBrowser::CounterPageBrowser(QTextBrowser* browser) : QObject(browser), browser_(browser) {
  browser_->setDocument(new StandAloneDocument(browser_));
  browser_->setOpenLinks(false);
  browser_->setOpenExternalLinks(false);
  browser_->setTextInteractionFlags(Qt::NoTextInteraction);
  browser_->setFocusPolicy(Qt::NoFocus);
  browser_->viewport()->setFocusPolicy(Qt::NoFocus);
  browser_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  browser_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CounterPageBrowser::navigate(const std::string& path) {
  busy_ = true;
  QTimer::singleShot(0, this, [this, path] { load(path); });
}

void CounterPageBrowser::load(const std::string& path) {
  try {
    if (const auto html = readCounterPage(path)) {
      browser_->setHtml(QString::fromStdString(*html));
    } else {
      browser_->clear();
    }
  } catch (const std::exception&) {
    browser_->clear();
  }
  busy_ = false;
}

}  // namespace lumivox
