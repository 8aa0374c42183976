#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/IniDocument.h"

namespace lumivox {

// The player's own settings file, settings.ini in the folder the system keeps
// for them (platform/SettingsFolder.h), never inside Data. UTF-8, read by the
// library's rules (first section and key win, names without regard to case,
// values trimmed and unquoted), read once at start-up. Each feature reads and
// checks its own keys through text() and tells what it could not use through
// addProblem(); the sentences are shown together in one box once the window
// shows. A save writes only the values set since the last save into the file
// as it then stands, so every other line, known or not, stays as the player
// (or another copy of the program) left it.
class UserSettings {
 public:
  // Kept in memory only: nothing is read or written (tests and widgets).
  UserSettings();
  // The file at that path; an empty path means the system named no folder
  // for it, which load() says once.
  explicit UserSettings(std::string path);
  ~UserSettings();
  UserSettings(const UserSettings&) = delete;
  UserSettings& operator=(const UserSettings&) = delete;

  // Where this system keeps the file; empty when it names no folder for it.
  static std::string defaultPath();
  const std::string& path() const { return path_; }

  // A missing file is no problem: every value keeps its default. A file that
  // cannot be read or is no text becomes one problem and is never written;
  // lines that are neither "[section]" nor "key=value" become problems, and
  // what can be read is read all the same.
  void load();

  // The value as the file holds it, or as set this run; nothing when absent.
  std::optional<std::string> text(std::string_view section, std::string_view key) const;
  // Changes a value in memory; save() writes it (a line break ends it).
  void setText(std::string_view section, std::string_view key, std::string_view value);
  // Writes the values set since the last save that wrote, creating the folder
  // when missing and keeping every other line. Nothing when it worked, or when it failed and
  // has said so before this run; otherwise the sentence to show: the program
  // goes on with the settings it has.
  std::optional<std::string> save();

  // One Chinese sentence about something the file held that cannot be used.
  void addProblem(std::string sentence);
  const std::vector<std::string>& problems() const { return problems_; }
  // The one box's text, naming the file; empty without problems. A file not
  // read at all is said in its one sentence.
  std::string problemsText() const;

 private:
  struct Change {
    std::string section, key, value;
    bool written = false;
  };

  bool kept_ = false;  // whether there is a file at all
  std::string path_;
  std::unique_ptr<IniDocument> document_;  // the file as read at start-up
  std::vector<Change> changes_;
  std::vector<std::string> problems_;
  bool wholeFileUnread_ = false;  // its problem is the only one
  bool saveFailureSaid_ = false;
};

}  // namespace lumivox
