#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Prompter.h"

// Records every box and answers questions and input boxes from a plan; an
// unplanned question is answered false (Cancel / No), an unplanned input box
// is cancelled.
class ScriptedPrompter final : public lumivox::Prompter {
 public:
  struct Box {
    enum class Kind { Inform, Ask, Input } kind;
    std::string text, title;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::OkCancel;
    std::string initialText;  // input boxes only
  };

  std::vector<Box> boxes;
  std::deque<bool> answers;
  std::deque<std::optional<std::string>> inputs;
  // Called as each box opens, to look at the program while it waits.
  std::function<void(const Box&)> onBox;

  void inform(const std::string& text, const std::string& title, Icon icon) override {
    boxes.push_back({Box::Kind::Inform, text, title, icon, Buttons::OkCancel, {}});
    if (onBox) onBox(boxes.back());
  }
  bool ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
    boxes.push_back({Box::Kind::Ask, text, title, icon, buttons, {}});
    if (onBox) onBox(boxes.back());
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initialText) override {
    boxes.push_back({Box::Kind::Input, prompt, title, Icon::Information, Buttons::OkCancel, initialText});
    if (onBox) onBox(boxes.back());
    if (inputs.empty()) return std::nullopt;
    auto answer = inputs.front();
    inputs.pop_front();
    return answer;
  }
};
