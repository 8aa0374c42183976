#include "platform/WineCommandLine.h"

#include <algorithm>

namespace lumivox {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  return pos;
}

// The program name: quoted, or up to the first blank.
std::string readProgram(std::string_view line, std::size_t& pos) {
  if (pos < line.size() && line[pos] == '"') {
    const std::size_t close = line.find('"', pos + 1);
    const std::size_t end = close == std::string_view::npos ? line.size() : close;
    std::string program(line.substr(pos + 1, end - pos - 1));
    pos = close == std::string_view::npos ? line.size() : close + 1;
    return program;
  }
  std::size_t end = pos;
  while (end < line.size() && !isBlank(line[end])) ++end;
  std::string program(line.substr(pos, end - pos));
  pos = end;
  return program;
}

// One argument as Windows programs split their command line: blanks
// separate, double quotes group, and backslashes are literal unless they
// come before a double quote.
std::string readArgument(std::string_view line, std::size_t& pos) {
  std::string argument;
  bool quoted = false;
  while (pos < line.size() && (quoted || !isBlank(line[pos]))) {
    if (line[pos] == '\\') {
      std::size_t count = 0;
      while (pos < line.size() && line[pos] == '\\') ++count, ++pos;
      if (pos < line.size() && line[pos] == '"') {
        argument.append(count / 2, '\\');
        if (count % 2 == 1) argument += '"', ++pos;
      } else {
        argument.append(count, '\\');
      }
    } else if (line[pos] == '"') {
      if (quoted && pos + 1 < line.size() && line[pos + 1] == '"') {
        argument += '"';
        pos += 2;
      } else {
        quoted = !quoted;
        ++pos;
      }
    } else {
      argument += line[pos++];
    }
  }
  return argument;
}

// "library,entry text" or "library entry text", as rundll32 reads it.
void addRundll32Arguments(std::string_view line, std::size_t pos, std::vector<std::string>& arguments) {
  pos = skipBlanks(line, pos);
  std::string library;
  if (pos < line.size() && line[pos] == '"') {
    library = readProgram(line, pos);
  } else {
    while (pos < line.size() && line[pos] != ',' && !isBlank(line[pos])) library += line[pos++];
  }
  pos = skipBlanks(line, pos);
  if (pos < line.size() && line[pos] == ',') pos = skipBlanks(line, pos + 1);
  std::string entry;
  while (pos < line.size() && !isBlank(line[pos])) entry += line[pos++];
  if (library.empty()) return;
  arguments.push_back(entry.empty() ? library : library + ',' + entry);
  pos = skipBlanks(line, pos);
  if (pos < line.size()) arguments.emplace_back(line.substr(pos));
}

}  // namespace

bool isRundll32(std::string_view program) {
  const std::size_t slash = program.find_last_of("\\/");
  if (slash != std::string_view::npos) program.remove_prefix(slash + 1);
  std::string name(program);
  std::transform(name.begin(), name.end(), name.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
  return name == "rundll32" || name == "rundll32.exe";
}

std::vector<std::string> wineArguments(std::string_view commandLine) {
  std::size_t pos = skipBlanks(commandLine, 0);
  std::vector<std::string> arguments{readProgram(commandLine, pos)};
  if (isRundll32(arguments.front())) {
    addRundll32Arguments(commandLine, pos, arguments);
    return arguments;
  }
  for (pos = skipBlanks(commandLine, pos); pos < commandLine.size(); pos = skipBlanks(commandLine, pos))
    arguments.push_back(readArgument(commandLine, pos));
  return arguments;
}

}  // namespace lumivox
