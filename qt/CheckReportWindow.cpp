#include "qt/CheckReportWindow.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/ApplyWindowLook.h"
#include "qt/FormBuilder.h"
#include "qt/QtText.h"

namespace lumivox {

CheckReportWindow::CheckReportWindow(CheckReportController& controller) : controller_(controller) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(toQString(kCheckReportWindowName));
  setWindowTitle(toQString(kCheckReportTitle));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("汇总"));
  summary_->setTextFormat(Qt::PlainText);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  // Rows are only read and selected: nothing opens on a double click.
  findings_ = new QListWidget(this);
  findings_->setObjectName(QStringLiteral("问题列表"));
  findings_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  findings_->setSelectionMode(QAbstractItemView::SingleSelection);
  findings_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  findings_->setUniformItemSizes(true);

  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName(QStringLiteral("关闭"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(findings_, 1);
  layout->addWidget(close, 0, Qt::AlignRight);
  resize(760, 360);
  centreOnScreen(this);
}

CheckReportWindow::~CheckReportWindow() { controller_.onWindowClosed(); }

void CheckReportWindow::showReport(const std::string& summary, const std::vector<std::string>& rows) {
  summary_->setText(toQString(summary));
  findings_->clear();
  for (const std::string& row : rows) findings_->addItem(toQString(row));
}

void CheckReportWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  keepToItsOwner(*this);
}

}  // namespace lumivox
