#include "dialogue/KeyWatchFailure.h"

#include "common/Prompter.h"
#include "dialogue/IndexView.h"

namespace lumivox {

void reportKeyWatchFailure(IndexView& view, Prompter& prompter) {
  view.setStatusText(kKeyWatchFailedStatus);
  prompter.inform(kKeyWatchFailedText, "出错了", Prompter::Icon::Critical);
}

}  // namespace lumivox
