#pragma once
#include <QAbstractListModel>
#include <QWidget>

#include "app/LinesView.h"

class QLabel;
class QLineEdit;
class QListView;

namespace lumivox {

class LinesController;

// The rows of the lines window, asked of the controller one at a time as
// the list paints them: no row is kept.
class LinesModel final : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit LinesModel(LinesController& lines, QObject* parent) : QAbstractListModel(parent), lines_(lines) {}
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  void reset(int rows);

 private:
  LinesController& lines_;
  int rows_ = 0;
};

// The lines window (对话列表): modeless and without an owner, one at a time;
// it deletes itself when closed and tells the controller. It shows without
// taking the focus; to accessibility tools it is a window, as the main one.
class LinesWindow final : public QWidget, public LinesView {
  Q_OBJECT
 public:
  explicit LinesWindow(LinesController& lines);
  ~LinesWindow() override;

  // Above other windows or not, and how opaque, as the main window is.
  void applyLook(bool onTop, int opacityPercent);

  // LinesView
  void resetRows(std::int32_t rows) override;
  void rowChanged(std::int32_t row) override;
  void selectRow(std::int32_t row, std::int32_t first, std::int32_t last) override;
  std::int32_t selectedRow() const override;
  void setFindResult(const std::string& text) override;
  bool onScreen() const override;
  bool active() const override;
  void showWithoutFocus() override;
  void focusSearch() override;
  void closeWindow() override;
  std::uintptr_t windowId() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  LinesController& lines_;
  LinesModel* model_;
  QListView* list_;
  QLineEdit* find_;
  QLabel* result_;
};

}  // namespace lumivox
