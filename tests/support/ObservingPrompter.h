#pragma once
#include <functional>

#include "support/ScriptedPrompter.h"

// A scripted prompter that first lets the test look at the program at the
// moment each box opens (what the user sees behind it), then answers.
class ObservingPrompter final : public lumivox::Prompter {
 public:
  ScriptedPrompter script;
  std::function<void()> onBox = [] {};

  void inform(const std::string& text, const std::string& title, Icon icon) override {
    onBox();
    script.inform(text, title, icon);
  }
  bool ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
    onBox();
    return script.ask(text, title, buttons, icon);
  }
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initialText) override {
    onBox();
    return script.input(prompt, title, initialText);
  }
};
