#pragma once
// A file written under a temporary name in its target's folder and put in
// place by one rename when it is complete and on disk. Until then the target
// is untouched; an abandoned replacement leaves nothing behind.
#include <QString>
#include <QTemporaryFile>

namespace platform {

class FileReplacement {
public:
    explicit FileReplacement(const QString& target);
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Creates the temporary file; false (see errorString) when the folder
    // does not exist or takes no new file.
    bool open();
    QFile& file() { return temporary_; }
    QString temporaryName() const { return temporary_.fileName(); }
    QString target() const { return target_; }

    // Flushes the temporary file to disk.
    bool sync();
    // Syncs, renames the temporary file over the target and makes the rename
    // itself durable.
    bool commit();
    // Why the last step failed, for the user.
    QString errorString() const { return error_; }

private:
    bool failed(int error);

    QString target_;
    QTemporaryFile temporary_;
    QString error_;
};

// A short reason for a failed file operation, from the system's error number.
QString fileErrorText(int error);

}  // namespace platform
