#include <gtest/gtest.h>

#include <map>
#include <set>

#include "dialogue/HotkeysForm.h"
#include "dialogue/IndexForm.h"
#include "info/AboutForm.h"
#include "info/HelpForm.h"
#include "progress/AutoSaveForm.h"
#include "progress/JumpForm.h"
#include "show/ShowForm.h"

namespace lumivox {
namespace {

// The designs let a rule or the counter row run a little past their
// container's edge; a mistyped figure runs far past it.
constexpr int kSlack = 240;

TEST(FormsTest, EveryControlHasAUniqueNameAndLiesInItsContainer) {
  for (const ControlTable* form : {&indexForm(), &aboutForm(), &autoSaveForm(), &jumpForm(), &hotkeysForm(), &helpForm(),
                               &showForm()}) {
    SCOPED_TRACE(form->name);
    std::set<std::string> names;
    std::map<std::string, const ControlRow*> frames;
    for (const ControlRow& control : form->controls) {
      SCOPED_TRACE(control.name);
      EXPECT_FALSE(control.name.empty());
      EXPECT_TRUE(names.insert(control.name).second) << "a second control of this name";
      int width = form->clientWidth, height = form->clientHeight;
      if (!control.parent.empty()) {
        const auto frame = frames.find(control.parent);
        ASSERT_TRUE(frame != frames.end()) << "the parent is no frame above it";
        width = frame->second->width;
        height = frame->second->height;
      }
      if (control.kind == ControlKind::Frame) frames[control.name] = &control;
      EXPECT_EQ(control.kind == ControlKind::Button, control.command != ButtonCommand::None) << "a button does something";
      if (control.checked) {
        EXPECT_EQ(control.kind, ControlKind::OptionButton);
      }
      if (control.kind == ControlKind::HiddenField) continue;  // kept out of sight on purpose
      EXPECT_GE(control.left, 0);
      EXPECT_GE(control.top, 0);
      EXPECT_GT(control.width, 0);
      EXPECT_GE(control.height, 0);
      EXPECT_LE(control.left + control.width, width + kSlack);
      EXPECT_LE(control.top + control.height, height + kSlack);
    }
    for (const std::string* name : {&form->defaultButton, &form->cancelButton}) {
      if (name->empty()) continue;
      const ControlRow* button = form->find(*name);
      ASSERT_NE(button, nullptr) << *name;
      EXPECT_EQ(button->kind, ControlKind::Button) << *name;
    }
    if (!form->firstFocus.empty()) {
      const ControlRow* focus = form->find(form->firstFocus);
      ASSERT_NE(focus, nullptr) << form->firstFocus;
      const ControlKind kind = focus->kind;
      EXPECT_TRUE(kind == ControlKind::TextField || kind == ControlKind::Button || kind == ControlKind::OptionButton)
          << form->firstFocus << " cannot take the focus";
    }
  }
}

}  // namespace
}  // namespace lumivox
