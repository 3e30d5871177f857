#include "base/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace torvane::base {

WriteResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    WriteResult result;
    result.path = path;
    // Unbuffered: a buffered save file reports a failed final flush too late
    // for its commit to notice, and would put a short file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.reason = file.errorString();
        return result;
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            result.reason = file.errorString();
            file.cancelWriting();
            return result;
        }
        done += n;
    }
    // A file system that accepts the bytes may still refuse them at the flush
    // to disk (quotas, network and delayed-allocation file systems).
    if (file.error() == QFileDevice::NoError && file.handle() >= 0 && ::fsync(file.handle()) != 0 && errno != EINVAL
        && errno != EROFS) {
        result.reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.reason = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.reason = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

WriteResult makeFolder(const QString &path)
{
    WriteResult result;
    result.path = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(result.path).isDir()) {
        result.ok = true;
        return result;
    }
    // The missing folders, from the outermost in.
    QStringList missing;
    for (QString folder = result.path; !QFileInfo::exists(folder) && !QDir(folder).isRoot();
         folder = QFileInfo(folder).absolutePath())
        missing.prepend(folder);
    if (missing.isEmpty()) { // it exists, but is not a folder
        result.reason = QString::fromLocal8Bit(std::strerror(ENOTDIR));
        return result;
    }
    for (const QString &folder : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(folder).constData(), 0777) != 0 && errno != EEXIST) {
            result.path = folder;
            result.reason = QString::fromLocal8Bit(std::strerror(errno));
            return result;
        }
    }
    result.ok = QFileInfo(result.path).isDir();
    if (!result.ok)
        result.reason = QString::fromLocal8Bit(std::strerror(ENOTDIR));
    return result;
}

} // namespace torvane::base
