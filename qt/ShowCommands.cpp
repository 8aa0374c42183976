#include <memory>

#include "qt/FeatureCommands.h"
#include "qt/IndexWindow.h"
#include "qt/ShowFrm.h"

namespace lumivox {

void connectShowCommands(IndexWindow& window) {
  // The show window's single instance: its members last the whole run,
  // while each showing creates and destroys the window itself.
  auto members = std::make_shared<ShowFrmMembers>();
  window.onMenuItem("展示窗体", [&window, members] {
    openShowFrm([&]() -> ShowView& { return *new ShowFrm(*members, window, window, window.prompter()); }, window);
  });
}

}  // namespace lumivox
