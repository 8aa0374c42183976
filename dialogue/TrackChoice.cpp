#include "dialogue/TrackChoice.h"

#include "dialogue/IndexForm.h"
#include "dialogue/IndexModel.h"

namespace lumivox {
namespace {

bool shownAtHeight(const ControlRow& control, int outerHeightTwips) {
  if (control.kind == ControlKind::HiddenField) return false;
  const ControlTable& form = indexForm();
  // The heights were designed for a title bar and menu bar 800 twips high
  // together; where the frame is thinner (or absent) the track choice would
  // peek out above the lower edge, so the edge as designed counts.
  const int designedFrame = kExpandedHeightTwips - form.clientHeight;
  int top = control.top;
  for (const ControlRow* p = form.find(control.parent); p; p = form.find(p->parent)) top += p->top;
  return top < outerHeightTwips - designedFrame;
}

void setHeight(WindowHeight& window, int outerHeightTwips) {
  window.setOuterHeightTwips(outerHeightTwips);
  for (const ControlRow& control : indexForm().controls)
    window.setControlShown(control.name, shownAtHeight(control, outerHeightTwips));
}

}  // namespace

void collapseTrackChoice(WindowHeight& window, IndexModel& view) {
  setHeight(window, kCollapsedHeightTwips);
  view.setCommandEnabled(CommandId::ShowTrackChoice, true);
}

void expandTrackChoice(WindowHeight& window, IndexModel& view) {
  setHeight(window, kExpandedHeightTwips);
  view.setCommandEnabled(CommandId::ShowTrackChoice, false);
}

}  // namespace lumivox
