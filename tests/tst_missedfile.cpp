// The file of missed words on its own: a FIFO in its place is neither waited
// on nor written nor replaced.

#include "errata/missedlist.h"

#include <QtTest>
#include <sys/stat.h>

namespace {

const QByteArray h = "Ordo;Classis;Verbum latinum;Italiano;English\r\n";
} // namespace

class TstMissedFile : public QObject {
    Q_OBJECT
  private slots:
    // Opening a FIFO for reading waits for a writer, for writing waits for a
    // reader; the new file must not take its place either.
    void fifoNeverOpened() {
        QTemporaryDir dir;
        const QString path = dir.filePath(MissedList::defaultFile);
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        MissedList read;
        QCOMPARE(read.load(path), MissedList::Status::Unreadable);
        QVERIFY(!read.save(path));
        MissedList fresh;
        fresh.setHeading(QString::fromLatin1(h.trimmed()));
        fresh.miss({QStringLiteral("1"), QStringLiteral("rosa"), {QStringLiteral("rosa")}, 0, {}},
                   QDate::currentDate());
        QVERIFY(!fresh.save(path));
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{MissedList::defaultFile});
    }
};

QTEST_GUILESS_MAIN(TstMissedFile)
#include "tst_missedfile.moc"
