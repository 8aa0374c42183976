#pragma once
#include <cstddef>
#include <stdexcept>
#include <string>

namespace lumivox {

// A file that could not be read or written; the message names the file.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a whole file. Throws FileError when it cannot be opened or read, or
// when it is larger than maxBytes (a small settings file that has grown to
// megabytes is not one of ours).
std::string readWholeFile(const std::string& utf8Path, std::size_t maxBytes);

}  // namespace lumivox
