#include "platform/SingleInstanceWin.h"

#include <windows.h>

namespace lumivox {

WindowsSingleInstance::WindowsSingleInstance(const wchar_t* name) {
  mutex_ = CreateMutexW(nullptr, FALSE, name);
  const DWORD error = GetLastError();
  // Held by a copy that another account started in this session: taken too.
  // Any other failure must not warn the user about a copy that does not exist.
  anotherInstanceRunning_ = mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
}

WindowsSingleInstance::~WindowsSingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

}  // namespace lumivox
