#include "wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace {

std::function<bool(qint64, qint64)> &failureSeam() {
    static std::function<bool(qint64, qint64)> seam;
    return seam;
}

QString reasonOf(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("ui", "il disco è pieno");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("ui", "mancano i permessi di scrittura");
    case EROFS:
        return QCoreApplication::translate("ui", "il disco è di sola lettura");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("ui", "la cartella non esiste");
    case EISDIR:
        return QCoreApplication::translate("ui", "al suo posto c'è una cartella");
    case EIO:
        return QCoreApplication::translate("ui", "errore del disco");
    default:
        // The system's own words would be English in an Italian sentence.
        return QCoreApplication::translate("ui", "errore di sistema %1").arg(error);
    }
}

WriteResult failed(int fd, const QByteArray &temp, int error) {
    if (fd >= 0) ::close(fd);
    if (!temp.isEmpty()) ::unlink(temp.constData());
    return {false, reasonOf(error)};
}

} // namespace

void setWriteFailureForTest(std::function<bool(qint64, qint64)> allow) {
    failureSeam() = std::move(allow);
}

QString keptAsItWas(const QString &path) {
    // A file saved for the first time has no earlier state to keep.
    if (!QFileInfo::exists(path))
        return QCoreApplication::translate("ui", "Il file %1 non è stato creato.")
            .arg(QDir::toNativeSeparators(path));
    return QCoreApplication::translate("ui", "Il file %1 resta com'era.").arg(QDir::toNativeSeparators(path));
}

QString whyAndKept(const WriteResult &failed, const QString &path) {
    return QCoreApplication::translate("ui", "Causa: %1.").arg(failed.reason) + QLatin1Char(' ') +
           keptAsItWas(path);
}

WriteResult writeWhole(const QString &path, const QByteArray &bytes) {
    // A symbolic link stays one: the file it points to is replaced.
    QFileInfo target(path);
    if (target.isSymLink()) target.setFile(target.symLinkTarget());
    if (target.isDir()) return failed(-1, {}, EISDIR);
    const QString folder = target.absolutePath();
    // The temporary file sits in the target's folder so that the rename
    // replaces the target atomically on the same file system.
    const QByteArray temp = QFile::encodeName(
        folder + QStringLiteral("/.") + target.fileName() +
        QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return failed(-1, {}, errno);

    // Keep the permissions of the file replaced, as an editor would.
    struct stat old {};
    if (::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    constexpr qint64 chunk = 64 * 1024;
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = std::min(chunk, bytes.size() - written);
        if (failureSeam() && !failureSeam()(written, n)) return failed(fd, temp, ENOSPC);
        const ssize_t w = ::write(fd, bytes.constData() + written, size_t(n));
        if (w < 0) {
            if (errno == EINTR) continue;
            return failed(fd, temp, errno);
        }
        if (w == 0) return failed(fd, temp, ENOSPC);
        written += w;
    }
    if (::fsync(fd) != 0) return failed(fd, temp, errno);
    struct stat done {};
    if (::fstat(fd, &done) != 0) return failed(fd, temp, errno);
    if (qint64(done.st_size) != bytes.size()) return failed(fd, temp, ENOSPC);
    if (::close(fd) != 0) return failed(-1, temp, errno);
    if (::rename(temp.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return failed(-1, temp, errno);
    // The rename itself is made durable by syncing the folder.
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace ui
