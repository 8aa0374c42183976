#pragma once
#include <QObject>
#include <string>

class QTextBrowser;

namespace lumivox {

// Drives the main window's UserNumberBrowser as the counter page: a local
// page shown as HTML, nothing fetched, no links followed, and never the
// keyboard focus, which stays with the main window (the player's advance key
// must not scroll the page).
class CounterPageBrowser final : public QObject {
  Q_OBJECT
 public:
  explicit CounterPageBrowser(QTextBrowser* browser);

  // Starts loading the page file; it is busy until the load is done, right
  // after the events already waiting.
  void navigate(const std::string& path);
  bool busy() const { return busy_; }

 private:
  void load(const std::string& path);

  QTextBrowser* browser_;
  bool busy_ = false;
};

}  // namespace lumivox
