#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/SettingsFolder.h"

namespace {

// Sets an environment variable for the test's length.
class Variable {
 public:
  Variable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~Variable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

TEST(SettingsFolder, XdgConfigHomeWhenAbsoluteOtherwiseDotConfigInHome) {
  Variable home("HOME", "/home/player");
  {
    Variable config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(lumivox::userSettingsFolder(), "/srv/config/lumivox");
  }
  for (const char* ignored : {"", "relative/config"}) {
    Variable config("XDG_CONFIG_HOME", ignored);
    EXPECT_EQ(lumivox::userSettingsFolder(), "/home/player/.config/lumivox");
  }
  Variable config("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(lumivox::userSettingsFolder(), "/home/player/.config/lumivox");
}
