#include "dialogue/KeyWatchFailure.h"

namespace lumivox {

KeyWatchNotice keyWatchNotice(KeyWatchProblem problem, bool waylandSession) {
  switch (problem) {
    case KeyWatchProblem::None: return {waylandSession ? kXwaylandOnlyStatus : "", ""};
    case KeyWatchProblem::NoXDisplay: return {kKeyWatchFailedStatus, kNoXDisplayText};
    case KeyWatchProblem::NoRawKeyEvents: return {kKeyWatchFailedStatus, kKeyWatchFailedText};
    case KeyWatchProblem::NoResources: return {kKeyWatchFailedStatus, kNoResourcesText};
  }
  return {};
}

}  // namespace lumivox
