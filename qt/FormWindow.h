#pragma once
#include <QDialog>

#include <map>
#include <string>

#include "common/ControlTable.h"

namespace lumivox {

// A secondary window drawn from its control table: a fixed-size dialog
// whose buttons do their table's commands, Confirm handed to the window's
// own class (buildForm tells the rest). It deletes itself when closed.
class FormWindow : public QDialog {
  Q_OBJECT
 public:
  FormWindow(const ControlTable& form, QWidget* parent);

  // Shown modal to the whole program, centred on the screen; returns at once.
  void showModal();
  std::string text(const std::string& control) const;
  void setText(const std::string& control, const std::string& text);
  bool isChecked(const std::string& option) const;

 protected:
  virtual void onConfirm() {}

 private:
  std::map<std::string, QWidget*> controls_;
};

}  // namespace lumivox
