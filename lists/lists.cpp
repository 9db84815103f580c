#include "lists/lists.h"

#include "lists/asking.h"
#include "lists/export.h"
#include "lists/frmimporta.h"
#include "lists/frmimprime.h"
#include "lists/frmrepertorium.h"
#include "lists/imported.h"
#include "lists/wordlist.h"
#include "settings/store.h"
#include "ui/form.h"
#include "ui/platform.h"
#include "vocabulary/vocabularyfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QSettings>

using namespace ui;
using namespace lists;

namespace {

const QString title = QStringLiteral("LessiCorsa! Repertorium");
const QString own = QStringLiteral("vocpers.txt");

// The lists' own section of the settings store.
QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsStore::application,
                     SettingsStore::application);
}
const QString currentKey = QStringLiteral("Repertorium/Index");
const QString recentKey = QStringLiteral("Repertorium/Recentia");

QString shown(const QString &path) {
    return QDir::toNativeSeparators(path == own ? QDir::current().absoluteFilePath(own) : path);
}

void warn(const QString &text) {
    platform().messageBox(text, title, Icon::Exclamation, Buttons::Ok);
}

// The designed warning of a personal vocabulary that is not there.
void missing(const QString &path) {
    platform().messageBox(Lists::tr("file \"%1\" inesistente").arg(shown(path)),
                          Lists::tr("Manca il vocabolario personale"), Icon::Exclamation, Buttons::Ok);
}

} // namespace

Lists::Lists(game::Door &door, QObject *parent) : QObject(parent), door_(door) {
    setObjectName(QStringLiteral("lists"));
    door.addListener(this);
    const QSettings s = store();
    current_ = s.value(currentKey, own).toString();
    if (current_.isEmpty()) current_ = own;
    recent_ = s.value(recentKey).toStringList().mid(0, recentCount);
    door_.setPersonalVocabulary(current_);

    QMenu *m = door.addFeatureMenu(QStringLiteral("Repertorium1"), QStringLiteral("&Repertorium"));
    const auto item = [&](const QString &name, const QString &caption, void (Lists::*handler)(),
                          const QKeySequence &key = {}) {
        auto *i = new MenuItem(this, name, caption);
        i->setShortcut(key);
        m->addAction(i);
        connect(i, &QAction::triggered, this, handler);
        return i;
    };
    item(QStringLiteral("Aperi"), QStringLiteral("&Aperi..."), &Lists::Aperi_Click, QKeySequence::Open);
    Recentia = m->addMenu(QStringLiteral("&Recentia"));
    Recentia->setFont(m->font()); // the menu's own font and scale
    Recentia->setObjectName(QStringLiteral("Recentia"));
    m->addSeparator();
    item(QStringLiteral("Novum"), QStringLiteral("&Novum"), &Lists::Novum_Click);
    item(QStringLiteral("Muta"), QStringLiteral("&Muta"), &Lists::Muta_Click);
    m->addSeparator();
    item(QStringLiteral("Importa"), QStringLiteral("&Importa..."), &Lists::Importa_Click);
    item(QStringLiteral("Exporta"), QStringLiteral("E&xporta..."), &Lists::Exporta_Click);
    item(QStringLiteral("Imprime"), QStringLiteral("Im&prime..."), &Lists::Imprime_Click);
    fillRecent();
}

QString Lists::folder() const {
    return current_ == own ? QDir::currentPath() : QFileInfo(current_).absolutePath();
}

void Lists::remember() {
    QSettings s = store();
    s.setValue(currentKey, current_);
    s.setValue(recentKey, recent_);
}

void Lists::fillRecent() {
    Recentia->clear();
    for (int k = 0; k < recent_.size(); ++k) {
        auto *i = new MenuItem(Recentia, QStringLiteral("Recens(%1)").arg(k),
                               QStringLiteral("&%1 %2").arg(k + 1).arg(shown(recent_[k])));
        Recentia->addAction(i);
        connect(i, &QAction::triggered, this, [this, k] { Recens_Click(k); });
    }
    Recentia->setEnabled(!recent_.isEmpty());
}

void Lists::choose(const QString &path) {
    const QString file = path == own ? own : QFileInfo(path).absoluteFilePath();
    current_ = file == QDir::current().absoluteFilePath(own) ? own : file;
    recent_.removeAll(current_);
    recent_.prepend(current_);
    recent_ = recent_.mid(0, recentCount);
    remember();
    door_.setPersonalVocabulary(current_);
    fillRecent();
}

QString Lists::currentFile() {
    if (current_ != own && !QFileInfo(current_).isFile()) {
        missing(current_);
        choose(own);
    }
    return current_;
}

void Lists::Aperi_Click() {
    const QString path = asking().file(door_.boardWindow(), tr("LessiCorsa! Aperi"),
                                       tr("Vocabolari (*.txt);;Tutti i file (*)"), folder(), false, nullptr);
    if (path.isEmpty()) return;
    QFile file(path);
    if (!vocabulary::isReadableFile(path) || !file.open(QIODevice::ReadOnly)) {
        warn(tr("Impossibile leggere il file %1.").arg(shown(path)));
        return;
    }
    // A file the game would stop at (too many defective lines) is refused here.
    if (file.size() > maxImportBytes || vocabulary::parse(file.readAll(), 0).tooManyDefects) {
        warn(tr("Il file %1 non è un vocabolario: troppe righe non hanno i tre «;» che separano "
                "frequenza, classe, latino e traduzione. Si può importare con «Importa».")
                 .arg(shown(path)));
        return;
    }
    choose(path);
}

void Lists::Recens_Click(int k) {
    if (k < 0 || k >= recent_.size()) return;
    const QString path = recent_[k];
    if (path != own && !QFileInfo(path).isFile()) {
        missing(path);
        recent_.removeAt(k);
        remember();
        fillRecent();
        return;
    }
    choose(path);
}

void Lists::Novum_Click() {
    edit(QString());
}

void Lists::Muta_Click() {
    edit(currentFile());
}

void Lists::edit(const QString &path) {
    QPointer<frmRepertorium> w =
        new frmRepertorium(path == own ? QDir::current().absoluteFilePath(own) : path, door_.boardWindow());
    if (!w->opened()) {
        delete w.data();
        return;
    }
    asking().exec(w);
    const QString saved = w ? w->savedPath() : QString();
    delete w.data();
    // A list saved under a new name becomes the one played.
    if (!saved.isEmpty() &&
        QFileInfo(saved).absoluteFilePath() != QFileInfo(shown(current_)).absoluteFilePath())
        choose(saved);
}

void Lists::Importa_Click() {
    const QString path = asking().file(door_.boardWindow(), tr("LessiCorsa! Importa"),
                                       tr("Vocabolari di altri programmi (*.kvtml *.csv *.tsv *.txt);;"
                                          "KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;"
                                          "Tutti i file (*)"),
                                       folder(), false, nullptr);
    if (!path.isEmpty()) importFile(path);
}

QString Lists::importFile(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    QString error;
    const QByteArray bytes = readForImport(path, &error);
    if (!error.isEmpty()) {
        warn(error);
        return {};
    }
    QPointer<frmImporta> w = new frmImporta(name, bytes, door_.boardWindow());
    if (!w->result().ok()) {
        warn(tr("Impossibile importare il file %1, riga %2: %3.")
                 .arg(name)
                 .arg(w->result().errorLine)
                 .arg(w->result().error));
        delete w.data();
        return {};
    }
    const bool accepted = asking().exec(w) == QDialog::Accepted && w;
    if (!accepted) {
        delete w.data();
        return {};
    }
    int skipped = 0;
    const QByteArray list = buildList(w->result().table, w->choice(), &skipped);
    const int words = static_cast<int>(WordList::fromBytes(list).rowCount());
    delete w.data();
    if (words == 0) {
        warn(tr("Nessun vocabolo da importare dal file %1 con le lezioni e le colonne scelte.").arg(name));
        return {};
    }
    const QString suggested = QDir(folder()).absoluteFilePath(QFileInfo(path).completeBaseName() + ".txt");
    const QString target =
        asking().file(door_.boardWindow(), tr("LessiCorsa! Importa: salva il nuovo elenco"),
                      tr("Vocabolari (*.txt)"), suggested, true, nullptr);
    if (target.isEmpty()) return {};
    if (QFileInfo(target).absoluteFilePath() == QFileInfo(path).absoluteFilePath()) {
        warn(tr("Il nuovo elenco non può sostituire il file %1 da cui è importato.").arg(name));
        return {};
    }
    if (!saveAtomically(target, list, &error)) {
        warn(error);
        return {};
    }
    choose(target);
    QString done = tr("%1 vocaboli importati in %2: per giocarli spuntare «Repertorio meo utor» nelle "
                      "impostazioni della "
                      "prossima partita.")
                       .arg(words)
                       .arg(shown(current_));
    if (skipped) done += tr("\n%1 righe senza vocabolo latino non sono state importate.").arg(skipped);
    platform().messageBox(done, title, Icon::None, Buttons::Ok);
    return current_;
}

namespace {
// The current list read for an export or a print, or a warning.
bool readList(const QString &path, WordList *list) {
    QFile file(path);
    if (!vocabulary::isReadableFile(path) || !file.open(QIODevice::ReadOnly)) {
        missing(path);
        return false;
    }
    *list = WordList::fromBytes(file.readAll());
    return true;
}
} // namespace

void Lists::Exporta_Click() {
    const QString path = currentFile();
    WordList list;
    if (!readList(path, &list)) return;
    const QString base = QFileInfo(path).completeBaseName();
    const QString csvFilter = tr("CSV (*.csv)"), kvtmlFilter = tr("KVTML (*.kvtml)");
    QString filter = csvFilter;
    QString target = asking().file(door_.boardWindow(), tr("LessiCorsa! Exporta"),
                                   csvFilter + QStringLiteral(";;") + kvtmlFilter,
                                   QDir(folder()).absoluteFilePath(base + ".csv"), true, &filter);
    if (target.isEmpty()) return;
    // An extension of the two typed decides; else the filter chosen decides,
    // and its extension is added.
    const QString suffix = QFileInfo(target).suffix().toLower();
    bool kvtml = suffix == QLatin1String("kvtml");
    if (!kvtml && suffix != QLatin1String("csv")) {
        kvtml = filter == kvtmlFilter;
        target += kvtml ? QStringLiteral(".kvtml") : QStringLiteral(".csv");
    }
    QString error;
    if (!saveAtomically(target, kvtml ? exportKvtml(list, base) : exportCsv(list), &error)) warn(error);
}

void Lists::Imprime_Click() {
    const QString path = currentFile();
    WordList list;
    if (!readList(path, &list)) return;
    QPointer<frmImprime> w = new frmImprime(list, QFileInfo(path).completeBaseName(), door_.boardWindow());
    asking().exec(w);
    delete w.data();
}
