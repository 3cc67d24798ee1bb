#include "core/platform/InstanceGuard.h"

#include "core/platform/PellorLog.h"

#include <QStandardPaths>

#include <cerrno>
#include <csignal>

namespace pellor {

namespace {

bool processIsRunning(qint64 pid) {
    if (pid <= 0)
        return false;
    // Signal 0 only checks that the process exists; EPERM means it exists but is not ours.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

InstanceGuard::InstanceGuard(const QString& instanceName, const QString& runtimeFolder)
    : m_path(runtimeFolder + QLatin1Char('/') + instanceName + QStringLiteral(".lock")),
      m_lock(m_path) {
    // Age never makes the lock stale: it is held for the whole life of the process.
    m_lock.setStaleLockTime(0);
}

QString InstanceGuard::defaultRuntimeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

InstanceGuard::Result InstanceGuard::acquire() {
    if (m_lock.isLocked())
        return Result::Taken;
    if (m_lock.tryLock(0))
        return Result::Taken;
    if (m_lock.error() == QLockFile::LockFailedError)
        return takeOverIfOwnerGone() ? Result::Taken : Result::HeldElsewhere;
    qCWarning(lcPellor) << "Cannot create the instance lock" << m_path;
    return Result::Failed;
}

// QLockFile already removes a lock whose owner is gone when the lock names this host. The
// runtime folder is local to this machine, so the recorded process id is checked here even when
// the host name in the lock differs (a renamed machine).
bool InstanceGuard::takeOverIfOwnerGone() {
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (!m_lock.getLockInfo(&pid, &hostName, &appName) || processIsRunning(pid))
        return false;
    qCInfo(lcPellor) << "Taking over the instance lock of ended process" << pid << m_path;
    return m_lock.removeStaleLockFile() && m_lock.tryLock(0);
}

} // namespace pellor
