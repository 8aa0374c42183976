#pragma once
#include <QDialog>

#include "progress/AutoSaveSettings.h"

class QLineEdit;

namespace lumivox {

class IndexModel;
class Prompter;

// AutoSave: the auto-save interval, typed in seconds.
class AutoSaveWindow final : public QDialog, public AutoSaveSettingsView {
  Q_OBJECT
 public:
  AutoSaveWindow(IndexModel& index, Prompter& prompter);

  // The window's load (the stored text into Text1), then the window modal to
  // the whole program; it deletes itself when it unloads or is closed.
  void loadAndShowModal();

  std::string typedText() const override;
  void setTypedText(const std::string& text) override;
  void unload() override;

 private:
  IndexModel& index_;
  Prompter& prompter_;
  QLineEdit* text1_ = nullptr;
};

}  // namespace lumivox
