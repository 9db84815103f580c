#include "auxilium/auxilium.h"

#include "auxilium/frmauxilium.h"
#include "ui/language.h"
#include "ui/menuitem.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>

using namespace ui;

namespace {
QString &chosenFolder() {
    static QString f;
    return f;
}
} // namespace

Auxilium::Auxilium(game::Door &door, QObject *parent) : QObject(parent), door_(door) {
    door_.addListener(this);
    QMenu *help = door_.helpMenu();
    if (!help) return;
    AuxiliumItem =
        new MenuItem(door_.boardWindow(), QStringLiteral("AuxiliumItem"), QStringLiteral("Auxilium"));
    AuxiliumItem->setToolTip(tr("Il manuale del gioco per gli insegnanti"));
    help->addAction(AuxiliumItem);
    connect(AuxiliumItem, &QAction::triggered, this, &Auxilium::Auxilium_Click);
}

QString Auxilium::folder() {
    if (!chosenFolder().isEmpty()) return chosenFolder();
    const QString program = QCoreApplication::applicationDirPath();
    const QString built = program + QStringLiteral("/docs/manual");
    if (QFileInfo(built).isDir()) return built;
    // <prefix>/libexec/lessicorsa/lessicorsa: the documents are in <prefix>/share/doc/lessicorsa.
    return QDir::cleanPath(program + QStringLiteral("/../../share/doc/lessicorsa/manual"));
}

void Auxilium::setFolder(const QString &folder) {
    chosenFolder() = folder;
}

QString Auxilium::file(const QString &language) {
    const QDir dir(folder());
    for (const QString &code : {language, QStringLiteral("it")}) {
        const QString path = dir.filePath(code + QStringLiteral(".md"));
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

void Auxilium::Auxilium_Click() {
    const QString path = file(currentLanguage());
    if (path.isEmpty()) {
        platform().messageBox(tr("Il manuale non si trova nella cartella %1: reinstallare il gioco per "
                                 "averlo di nuovo. Il gioco prosegue come sempre.")
                                  .arg(QDir::toNativeSeparators(folder())),
                              QStringLiteral("LessiCorsa! Auxilium"), Icon::Exclamation, Buttons::Ok);
        return;
    }
    QPointer<frmAuxilium> w = new frmAuxilium(path);
    if (!w->loaded()) {
        platform().messageBox(tr("Il manuale %1 non si può leggere. Il gioco prosegue come sempre.")
                                  .arg(QDir::toNativeSeparators(path)),
                              QStringLiteral("LessiCorsa! Auxilium"), Icon::Exclamation, Buttons::Ok);
        delete w.data();
        return;
    }
    w->centre();
    w->showModal();
    delete w.data();
}
