#pragma once
#include <stdexcept>
#include <string>

namespace lumivox {

// The clipboard could not be changed, typically because another program holds
// it open.
class ClipboardError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The system clipboard, plain text only. Both calls throw ClipboardError when
// the clipboard cannot be changed.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void clear() = 0;
  virtual void setText(const std::string& utf8Text) = 0;
};

}  // namespace lumivox
