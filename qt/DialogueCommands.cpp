#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <memory>
#include <vector>

#include "qt/FeatureCommands.h"
#include "qt/IndexLayout.h"
#include "qt/IndexWindow.h"
#include "qt/LabelMouse.h"
#include "dialogue/DebugMode.h"
#include "qt/HotkeysSetupWindow.h"
#include "dialogue/TrackChoice.h"
#include "dialogue/Tracks.h"

namespace lumivox {
namespace {

// The main window's outer height, set through the height of its client area:
// the controls keep their places. The heights were designed for a title bar
// and menu bar 800 twips high together; where the frame is thinner (or absent)
// the track choice would peek out above the lower edge, so what the design
// puts below that edge is also hidden while the window is collapsed.
class IndexWindowHeight final : public WindowHeight {
 public:
  explicit IndexWindowHeight(IndexWindow& window) : window_(window) {
    for (QWidget* control : window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!control->isHidden()) shown_.push_back(control);
  }

  void setOuterHeightTwips(int twips) override {
    QWidget* client = window_.centralWidget();
    window_.layout()->activate();
    const int decoration = window_.frameGeometry().height() - window_.height();
    const int menuBar = window_.height() - client->height();
    client->setFixedHeight(twipsToPixels(twips) - decoration - menuBar);
    const int designedBottom = twipsToPixels(twips - kDesignedFrameTwips);
    for (QWidget* control : shown_) control->setVisible(control->y() < designedBottom);
    window_.layout()->activate();
  }

 private:
  static constexpr int kDesignedFrameTwips = kExpandedHeightTwips - kClientHeightTwips;
  IndexWindow& window_;
  std::vector<QWidget*> shown_;
};

QLabel* labelOf(IndexWindow& window, const char* name) { return window.findChild<QLabel*>(QString::fromUtf8(name)); }

void connectTracks(IndexWindow& window) {
  auto toMainStory = [&window] { switchToMainStory(window.state(), window, window.prompter()); };
  window.onMenuItem("主线剧情", toMainStory);
  onClicked(labelOf(window, "Label7"), toMainStory);

  for (std::string_view door : doorEntryItems())
    window.onMenuItem(std::string(door).c_str(), [&window] { enterDoor(window.state(), window); });

  // Any button, as the player may right-click a label that looks like a menu.
  QLabel* gateLabel = labelOf(window, "Label8");
  gateLabel->setContextMenuPolicy(Qt::PreventContextMenu);
  onMouseReleasedOver(gateLabel, [&window](Qt::MouseButton, QPoint at) {
    window.findChild<QMenu*>(QStringLiteral("记忆之门"))->popup(at);
  });

  auto height = std::make_shared<IndexWindowHeight>(window);
  onClicked(labelOf(window, "Label9"), [&window, height] { collapseTrackChoice(*height, window); });
  window.onMenuItem(kExpandItem, [&window, height] { expandTrackChoice(*height, window); });
}

}  // namespace

void connectDialogueCommands(IndexWindow& window) {
  connectTracks(window);
  window.onMenuItem("切换按键设置", [&window] { (new HotkeysSetupWindow(window.prompter(), &window))->open(); });
  window.onMenuItem("Debug模式", [&window] { enterDebugMode(window, window.prompter()); });
  window.onMenuItem("退出Debug模式", [&window] { leaveDebugMode(window, window.prompter()); });
}

}  // namespace lumivox
