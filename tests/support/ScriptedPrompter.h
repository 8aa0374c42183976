#pragma once
#include <deque>
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
  };

  std::vector<Box> boxes;
  std::deque<bool> answers;
  std::deque<std::optional<std::string>> inputs;

  void inform(const std::string& text, const std::string& title, Icon icon) override {
    boxes.push_back({Box::Kind::Inform, text, title, icon, Buttons::OkCancel});
  }
  bool ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
    boxes.push_back({Box::Kind::Ask, text, title, icon, buttons});
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string&) override {
    boxes.push_back({Box::Kind::Input, prompt, title, Icon::Information, Buttons::OkCancel});
    if (inputs.empty()) return std::nullopt;
    auto answer = inputs.front();
    inputs.pop_front();
    return answer;
  }
};
