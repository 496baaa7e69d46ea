#include "atomic_file_write.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

FileWriteResult WriteFileAtomically(const QString &path, const QByteArray &bytes,
                                    const std::function<void(WriteStep)> &interruption)
{
    const auto step = [&](WriteStep reached) {
        if (interruption)
            interruption(reached);
    };
    // Unbuffered, so that every failure to write is seen where it happens:
    // a buffer flushed by the commit could fail unnoticed and leave a part.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {WriteFault::Folder, file.errorString()};
    step(WriteStep::TemporaryOpened);

    const auto failed = [&](int error) {
        const QString detail = error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
        file.cancelWriting();
        const bool full = error == ENOSPC || error == EDQUOT || error == EFBIG ||
                          QStorageInfo(QFileInfo(path).absolutePath()).bytesAvailable() < bytes.size();
        return FileWriteResult{full ? WriteFault::NoSpace : WriteFault::Disk, detail};
    };
    // A write may take less than it is given; the next one then says why.
    const auto writeAll = [&](const char *data, qsizetype size) {
        while (size > 0) {
            errno = 0;
            const qint64 written = file.write(data, size);
            if (written <= 0)
                return false;
            data += written;
            size -= written;
        }
        return true;
    };
    const qsizetype half = bytes.size() / 2;
    if (!writeAll(bytes.constData(), half))
        return failed(errno);
    step(WriteStep::HalfWritten);
    if (!writeAll(bytes.constData() + half, bytes.size() - half))
        return failed(errno);
    // On the disk before the rename: a full disk may only tell here.
    if (::fsync(file.handle()) != 0)
        return failed(errno);
    step(WriteStep::Written);
    if (!file.commit()) {
        if (file.error() == QFileDevice::RenameError)
            return {WriteFault::Replace, file.errorString()};
        return failed(errno);
    }
    step(WriteStep::Replaced);
    return {};
}
