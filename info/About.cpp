#include "info/About.h"

#include <limits>
#include <stdexcept>

#include "common/Paths.h"
#include "common/Prompter.h"
#include "info/AboutView.h"
#include "info/Contact.h"
#include "library/LookupLine.h"

namespace lumivox {

ThanksRotation loadAbout(const std::string& mainLibraryPath, AboutView& view, Prompter& prompter) {
  ThanksRotation rotation;
  try {
    rotation.filePath = pathInCurrentDirectory(kThanksFile);
    view.setControlText("Label4", LookupLine(mainLibraryPath, "Build", "Build", "未知版本"));
    view.setControlText("Label6", LookupLine(mainLibraryPath, "TextNumber", "TextNumber", "未知大小"));
    view.setControlText("Doortextnumber", LookupLine(mainLibraryPath, "TextNumber", "TextNumberDoor", "未知大小"));
    view.setAddressText("Label11", aboutContactNote(readLibraryContact(mainLibraryPath)));
  } catch (const std::exception&) {
    prompter.inform(kAboutLoadErrorText, "出错了", Prompter::Icon::Critical);
  }
  return rotation;
}

void thanksTick(ThanksRotation& rotation, AboutView& view, Prompter& prompter) {
  // The box of a failing tick waits for the user while the timer runs on;
  // one box at a time is enough.
  if (rotation.reportingFailure || rotation.listEnded) return;
  try {
    if (rotation.index == std::numeric_limits<std::int32_t>::max()) throw std::overflow_error("thanks index");
    ++rotation.index;
    rotation.key = std::to_string(rotation.index);
    const std::string entry = LookupLine(rotation.filePath, kThanksSection, rotation.key, kThanksInvitationText);
    view.setControlText("SThanks", entry);
    rotation.listEnded = entry == kThanksInvitationText;
  } catch (const std::exception&) {
    rotation.reportingFailure = true;
    prompter.inform(kThanksErrorText, "出错了", Prompter::Icon::Critical);
    rotation.reportingFailure = false;
  }
}

void thanksListTick(ThanksRotation& rotation, const AboutView& view) {
  if (view.controlText("SThanks") != kThanksInvitationText) return;
  rotation.listEnded = false;
  rotation.index = 1;
  rotation.key = std::to_string(rotation.index);
}

}  // namespace lumivox
