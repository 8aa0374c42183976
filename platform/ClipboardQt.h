#pragma once
#include "platform/Clipboard.h"

namespace lumivox {

// The application's clipboard through Qt.
class QtClipboard final : public Clipboard {
 public:
  void clear() override;
  void setText(const std::string& utf8Text) override;
};

}  // namespace lumivox
