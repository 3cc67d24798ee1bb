#pragma once

#include <QLockFile>
#include <QString>

namespace pellor {

// Keeps a second copy of the program with the same instance name from running: a lock file
// "<instance name>.lock" in the runtime folder, held until the guard is destroyed (normally at
// the end of the process). A lock left behind by a process that no longer runs is taken over.
class InstanceGuard {
public:
    enum class Result {
        Taken,         // this process now holds the instance name
        HeldElsewhere, // another running process holds it
        Failed,        // the lock file could not be created (folder missing, no permission)
    };

    // The lock lives in runtimeFolder; by default the user's runtime folder.
    explicit InstanceGuard(const QString& instanceName,
                           const QString& runtimeFolder = defaultRuntimeFolder());

    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    Result acquire();
    bool isHeld() const { return m_lock.isLocked(); }
    const QString& lockFilePath() const { return m_path; }

    static QString defaultRuntimeFolder();

private:
    bool takeOverIfOwnerGone();

    QString m_path;
    QLockFile m_lock;
};

} // namespace pellor
