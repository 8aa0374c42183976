// The library reader and writer together, against the reference model (the
// checks are in IniCheck.h, which the unit tests also run on the seeds).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "IniCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failed = inicheck::check(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!failed.empty()) {
    std::fprintf(stderr, "MISMATCH: %s\n", failed.c_str());
    std::abort();
  }
  return 0;
}
