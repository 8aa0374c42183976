#include "platform/ProgramStartWine.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <langinfo.h>
#include <locale.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/WinePrefix.h"

extern char** environ;

namespace lumivox {
namespace {

// The program as a shell finds it on the PATH; empty when it is nowhere.
std::string findOnPath(const std::string& program) {
  const char* variable = std::getenv("PATH");
  const std::string path = variable ? variable : "/bin:/usr/bin";
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = path.find(':', start);
    if (end == std::string::npos) end = path.size();
    const std::string folder = end == start ? "." : path.substr(start, end - start);
    const std::string candidate = folder + '/' + program;
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

// Whether Wine reads the path whole: it reads its arguments in the
// character set of the locale of LC_CTYPE that the C library finds (the
// C locale when that one is not installed), and the path is UTF-8.
bool reachesWineWhole(std::string_view windowsPath) {
  if (std::all_of(windowsPath.begin(), windowsPath.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return true;
  const locale_t locale = ::newlocale(LC_CTYPE_MASK, "", locale_t{});
  if (!locale) return false;
  const bool utf8 = std::string_view(::nl_langinfo_l(CODESET, locale)) == "UTF-8";
  ::freelocale(locale);
  return utf8;
}

// Tells the parent why the grandchild could not run; async-signal-safe.
void tell(int fd, int error) { [[maybe_unused]] const ssize_t written = ::write(fd, &error, sizeof error); }

// Pointers to the texts, ended by a null pointer, as exec takes them.
std::vector<char*> pointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Runs the program in a grandchild that nobody waits for: the child between
// them ends at once and is reaped here, so the grandchild goes to init and
// never lingers as a zombie of ours. Only async-signal-safe calls after the
// fork (the process has other threads). False when it could not be run; the
// grandchild tells an exec that failed through a pipe that closes on exec.
bool runDetached(const std::string& program, std::vector<std::string> arguments, std::vector<std::string> environment) {
  std::vector<char*> argv = pointersTo(arguments);
  std::vector<char*> envp = pointersTo(environment);
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;

  const pid_t child = ::fork();
  if (child == 0) {
    ::close(report[0]);
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild < 0) tell(report[1], errno);
    if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &byDefault, nullptr);
    ::sigaction(SIGCHLD, &byDefault, nullptr);
    // Wine's servers outlive us: none of our files, the instance lock among
    // them, may stay open in them.
    int reportTo = report[1];
    if (reportTo < 3) reportTo = ::fcntl(reportTo, F_DUPFD_CLOEXEC, 3);
    if (reportTo < 0) {
      tell(report[1], errno);
      ::_exit(127);
    }
    if (reportTo > 3) ::close_range(3, reportTo - 1, 0);
    ::close_range(reportTo + 1, ~0u, 0);
    const int input = ::open("/dev/null", O_RDONLY);
    if (input > 0) {
      ::dup2(input, 0);
      ::close(input);
    }
    ::execve(program.c_str(), argv.data(), envp.data());
    tell(reportTo, errno);
    ::_exit(127);
  }
  ::close(report[1]);
  if (child < 0) {
    ::close(report[0]);
    return false;
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // Ends when the grandchild has run wine, or said it could not.
  int error = 0;
  ssize_t got;
  while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  ::close(report[0]);
  return got == 0;
}

}  // namespace

bool WineProgramStarter::start(const std::string& program, const std::string& folder) {
  if (!isWinePrefix(prefix_)) return false;
  if (!reachesWineWhole(program) || !reachesWineWhole(folder)) return false;
  const std::optional<std::string> file = unixPathInPrefix(prefix_, program);
  std::error_code error;
  if (!file || !std::filesystem::is_regular_file(*file, error)) return false;

  const std::string wine = findOnPath("wine");
  if (wine.empty()) return false;
  // start passes its /min on as the program's show mode, /d as its folder.
  std::vector<std::string> arguments{"wine", "start", "/min", "/d", folder, program};
  // The prefix the game folder was read from, even when that was the default.
  std::vector<std::string> environment;
  for (char** variable = environ; *variable; ++variable)
    if (std::string_view(*variable).substr(0, 11) != "WINEPREFIX=") environment.emplace_back(*variable);
  environment.push_back("WINEPREFIX=" + prefix_);
  return runDetached(wine, std::move(arguments), std::move(environment));
}

}  // namespace lumivox
