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

// The one opener of files the program reads. Only a regular file is read
// (a folder, pipe, device or socket is unreadable), checked on the open
// handle; the open never waits (a pipe without a writer would block it). One
// read of the size the file had when opened, into a buffer of that size, so
// a file that keeps growing cannot keep the caller reading. Throws FileError
// when the file cannot be opened or read, is not a regular file, or is larger
// than maxBytes (a small settings file that has grown to megabytes is not one
// of ours).
std::string readWholeFile(const std::string& utf8Path, std::size_t maxBytes);

// The same, into a buffer the caller keeps, so a file read again and again
// reuses its memory. The buffer's old content is gone either way.
void readWholeFile(const std::string& utf8Path, std::size_t maxBytes, std::string& into);

}  // namespace lumivox
