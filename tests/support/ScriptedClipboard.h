#pragma once
#include <string>
#include <vector>

#include "platform/Clipboard.h"

// Records what the program does to the clipboard; it can be told to refuse
// clearing or setting, as when another program holds the clipboard open.
class ScriptedClipboard final : public lumivox::Clipboard {
 public:
  bool refuseClear = false, refuseSet = false;
  std::string text = "earlier text";
  std::vector<std::string> calls;  // "clear" and "set"

  void clear() override {
    calls.push_back("clear");
    if (refuseClear) throw lumivox::ClipboardError("clipboard held by another program");
    text.clear();
  }
  void setText(const std::string& utf8Text) override {
    calls.push_back("set");
    if (refuseSet) throw lumivox::ClipboardError("clipboard held by another program");
    text = utf8Text;
  }
};
