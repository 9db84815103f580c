#include "ui/solecopy.h"

#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <memory>

namespace ui {

bool claimSoleCopy(const QString &folder) {
    static std::unique_ptr<QLockFile> held;
    QDir().mkpath(folder);
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("lessicorsa.lock")));
    // Only a process that no longer runs makes a lock stale, never its age:
    // a copy may well run for hours.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        held = std::move(lock);
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError) return true;
    platform().messageBox(QCoreApplication::translate(
                              "ui", "LessiCorsa è già aperto con i dati di questo utente: questa seconda "
                                    "copia si chiude, perché le due copie non si cancellino a vicenda i "
                                    "vocaboli sbagliati, i giocatori e il certamen."),
                          QStringLiteral("LessiCorsa!"), Icon::Exclamation, Buttons::Ok);
    return false;
}

} // namespace ui
