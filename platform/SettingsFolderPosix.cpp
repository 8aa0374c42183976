#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/SettingsFolder.h"

namespace lumivox {

std::string userSettingsFolder() {
  // A relative XDG_CONFIG_HOME is to be ignored: it would follow the current directory.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
    return std::string(config) + "/lumivox";
  std::string home;
  if (const char* variable = std::getenv("HOME"); variable && *variable) {
    home = variable;
  } else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir) {
    home = user->pw_dir;
  }
  if (home.empty()) return {};
  return home + "/.config/lumivox";
}

}  // namespace lumivox
