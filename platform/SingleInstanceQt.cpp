#include "platform/SingleInstanceQt.h"

#include <QDir>
#include <QStandardPaths>

namespace lumivox {

QtSingleInstance::QtSingleInstance() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  lock_ = std::make_unique<QLockFile>(folder + QStringLiteral("/lumivox.lock"));
  lock_->setStaleLockTime(0);  // a lock is stale only when its process is gone
  ownsLock_ = lock_->tryLock(0);
  // A lock we cannot even create (read-only folder) must not warn the user
  // about a copy that does not exist.
  if (!ownsLock_ && lock_->error() != QLockFile::LockFailedError) ownsLock_ = true;
}

}  // namespace lumivox
