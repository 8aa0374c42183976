#include "qt/LinesWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShortcut>

#include "app/LinesController.h"
#include "qt/ApplyWindowLook.h"
#include "qt/QtText.h"
#include "qt/QtTicker.h"

namespace lumivox {
namespace {

// Qt's own description of a plain widget window is a filler, not a window.
QAccessibleInterface* describeLinesWindow(const QString& className, QObject* object) {
  if (className != QLatin1String(LinesWindow::staticMetaObject.className()) || !object->isWidgetType()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

int LinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant LinesModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) return {};
  return toQString(lines_.rowText(index.row()));
}

void LinesModel::reset(int rows) {
  beginResetModel();
  rows_ = rows;
  endResetModel();
}

LinesWindow::LinesWindow(LinesController& lines) : lines_(lines) {
  static const bool described = (QAccessible::installFactory(describeLinesWindow), true);
  (void)described;
  setAttribute(Qt::WA_DeleteOnClose);
  // The game keeps the focus: its next press must count.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setObjectName(toQString(kLinesWindowName));
  setWindowTitle(toQString(kLinesWindowTitle));

  auto* findLabel = new QLabel(toQString(kFindLabelCaption), this);
  findLabel->setObjectName(toQString(kFindLabelName));
  find_ = new QLineEdit(this);
  find_->setObjectName(toQString(kFindTextName));
  findLabel->setBuddy(find_);
  auto* next = new QPushButton(toQString(kFindNextCaption), this);
  next->setObjectName(toQString(kFindNextName));
  next->setAutoDefault(false);
  model_ = new LinesModel(lines_, this);
  list_ = new QListView(this);
  list_->setObjectName(toQString(kLinesListName));
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setModel(model_);
  list_->installEventFilter(this);
  result_ = new QLabel(this);
  result_->setObjectName(toQString(kFindResultName));
  result_->setTextFormat(Qt::PlainText);

  auto* findRow = new QHBoxLayout;
  findRow->addWidget(findLabel);
  findRow->addWidget(find_, 1);
  findRow->addWidget(next);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(findRow);
  layout->addWidget(list_, 1);
  layout->addWidget(result_);
  resize(kLinesWindowWidth, kLinesWindowHeight);
  setMinimumSize(kLinesWindowSmallestWidth, kLinesWindowSmallestHeight);

  connect(find_, &QLineEdit::textEdited, this, [this](const QString& text) { lines_.findTyped(text.toStdString()); });
  connect(find_, &QLineEdit::returnPressed, this, [this] { lines_.choose(selectedRow()); });
  connect(next, &QPushButton::clicked, this, [this] { lines_.findNext(find_->text().toStdString()); });
  connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
          [this] { lines_.findNext(find_->text().toStdString()); });
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] { lines_.escape(); });
  connect(list_, &QListView::clicked, this, [this](const QModelIndex& index) { lines_.choose(index.row()); });
  auto* ticker = new QtTicker(this, {{TimerId::LinesSearch, "LinesSearch", 1, false}},
                              [this](TimerId timer) { lines_.onTimer(timer); });
  lines_.attach(*this, *ticker);
}

LinesWindow::~LinesWindow() { lines_.detach(); }

void LinesWindow::applyLook(bool onTop, int opacityPercent) {
  setStaysOnTop(*this, onTop);
  setOpacityPercent(*this, opacityPercent);
}

bool LinesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      lines_.choose(selectedRow());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void LinesWindow::resetRows(std::int32_t rows) { model_->reset(rows); }
// Painted again, not reported as changed: a list view lays every row out
// anew after a change, which a million rows make slow.
void LinesWindow::rowChanged(std::int32_t row) { list_->viewport()->update(list_->visualRect(model_->index(row))); }

void LinesWindow::selectRow(std::int32_t row, std::int32_t first, std::int32_t last) {
  list_->setCurrentIndex(model_->index(row));
  list_->scrollTo(model_->index(last));
  list_->scrollTo(model_->index(first));
}

std::int32_t LinesWindow::selectedRow() const {
  const QModelIndex current = list_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void LinesWindow::setFindResult(const std::string& text) { result_->setText(toQString(text)); }

bool LinesWindow::onScreen() const { return isVisible() && !isMinimized(); }
bool LinesWindow::active() const { return isActiveWindow(); }

void LinesWindow::showWithoutFocus() {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
}

void LinesWindow::focusSearch() {
  showWithoutFocus();
  activateWindow();
  find_->setFocus(Qt::ShortcutFocusReason);
  find_->selectAll();
}

void LinesWindow::closeWindow() { close(); }
std::uintptr_t LinesWindow::windowId() const { return static_cast<std::uintptr_t>(winId()); }

}  // namespace lumivox
