#include "platform/WinePrefix.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace lumivox {

std::string winePrefixFolder() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
  std::string home;
  if (const char* variable = std::getenv("HOME"); variable && *variable) {
    home = variable;
  } else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) {
    home = user->pw_dir;
  }
  return home + "/.wine";
}

}  // namespace lumivox
