#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Why a file could not be written.
enum class WriteFault {
    None,
    Folder,  // no file can be made in the folder (missing, not writable, not a folder)
    NoSpace, // the disk (or the user's quota) is full
    Disk,    // another failure while writing
    Replace, // the new file could not take the old one's place
};
struct FileWriteResult {
    WriteFault fault = WriteFault::None;
    QString detail; // the system's own words
    bool ok() const { return fault == WriteFault::None; }
};

// The moments of a write, for a test that stops the program at each of them.
enum class WriteStep { TemporaryOpened, HalfWritten, Written, Replaced };

// Writes bytes to path through a temporary file in the same folder, flushed
// to the disk and then renamed over path: whenever the program stops, path
// holds either its old text or the new one, never a part. interruption, when
// given, is called at each step.
FileWriteResult WriteFileAtomically(const QString &path, const QByteArray &bytes,
                                    const std::function<void(WriteStep)> &interruption = {});
