#pragma once
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

// Runs work in a child process and gives its exit code, or -1 when it did not
// finish within the time allowed (it is killed then). For tests of what could
// hang for good, or of what a process does to its own memory limits.
inline int inChild(std::chrono::milliseconds allowed, const std::function<int()>& work) {
  const pid_t child = ::fork();
  if (child == 0) {
    int code = 99;
    try {
      code = work();
    } catch (...) {
      code = 98;
    }
    ::_exit(code);
  }
  if (child < 0) return -2;
  const auto deadline = std::chrono::steady_clock::now() + allowed;
  int status = 0;
  while (::waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
}
#endif
