#include "dialogue/KeyWatchFailure.h"

#include "common/Prompter.h"
#include "dialogue/IndexModel.h"

namespace lumivox {

void reportKeyWatchFailure(IndexModel& view, Prompter& prompter) {
  view.setStatusText(kKeyWatchFailedStatus);
  prompter.inform(kKeyWatchFailedText, "出错了", Prompter::Icon::Critical);
}

}  // namespace lumivox
