// Keeping the user's files safe: a save on a full disk leaves the old file
// byte for byte and says so once, in Italian (on a real full file system, a
// small tmpfs, where the test may mount one); a second copy of the program on
// the same user's data says so and ends, and the lock of a copy that crashed
// is taken over.

#include "board/traduci.h"
#include "certamen/certamen.h"
#include "certamen/tabula.h"
#include "certamen/tournament.h"
#include "errata/errata.h"
#include "lists/wordlist.h"
#include "players/frmprogressus.h"
#include "players/history.h"
#include "players/roster.h"
#include "support/boardfixture.h"
#include "support/tournaments.h"
#include "ui/application.h"
#include "ui/solecopy.h"
#include "ui/wholefile.h"

#include <QApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

enum class Store { Certamen, CertamenExport, Errata, List, ProgressExport };

const QByteArray oldErrata = testHeading +
                             "\r\n/ errores: 2; ultimus: 2026-11-30; capsa: 1; debetur: 2026-12-01\r\n"
                             "1;1;verbum1;parola1;word1\r\n";

certamen::Tournament tournament(int players) {
    return certamen::Tournament::draw(certamen::Kind::Orbis, entrants(players), choices(),
                                      [](int n) { return n - 1; });
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// The second copy of the program, run by the test as a process of its own: the
// program's own application set-up (its names give the data folder), then
// the claim the program makes at its start; the messages shown on stdout.
int secondCopy(int argc, char **argv) {
    QApplication app(argc, argv);
    ui::setUpApplication();
    FakePlatform platform;
    const bool sole = ui::claimSoleCopy(players::dataFolder());
    for (const RecordedMessage &m : platform.messages)
        std::printf("%s\n", qPrintable(m.text));
    return sole ? 0 : 3;
}

} // namespace

class TestSafekeeping : public QObject {
    Q_OBJECT
    QTemporaryDir base;
    QString disk; // HOME and TMPDIR: the data folder, the settings and the working folder
    bool mounted = false;
    int filler = -1;

    // Fills the disk to its last byte (a real one), or fails every write
    // through the writer's seam.
    void fill() {
        if (!mounted) {
            ui::setWriteFailureForTest([](qint64, qint64) { return false; });
            return;
        }
        filler = ::open(QFile::encodeName(disk + QStringLiteral("/filler")).constData(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        QVERIFY(filler >= 0);
        const QByteArray block(4096, 'x');
        for (qsizetype n : {qsizetype(4096), qsizetype(1)})
            while (::write(filler, block.constData(), size_t(n)) == n) {
            }
        QCOMPARE(errno, ENOSPC);
    }
    void unfill() {
        ui::setWriteFailureForTest(nullptr);
        if (filler >= 0) ::close(filler);
        filler = -1;
        QFile::remove(disk + QStringLiteral("/filler"));
    }

  private slots:
    void initTestCase() {
        disk = base.filePath(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(disk));
        mounted = ::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=1m,mode=0755") == 0;
        if (mounted)
            std::printf("A 1 MB tmpfs at %s is the disk that fills.\n", qPrintable(disk));
        else
            std::printf("The tmpfs mount was refused (%s): each write fails through the writer's seam "
                        "instead of a full disk.\n",
                        std::strerror(errno));
        QVERIFY(QDir().mkpath(disk + QStringLiteral("/home")) &&
                QDir().mkpath(disk + QStringLiteral("/tmp")));
        qputenv("HOME", QFile::encodeName(disk + QStringLiteral("/home")));
        qputenv("TMPDIR", QFile::encodeName(disk + QStringLiteral("/tmp")));
        useTemporarySettings();
    }
    void cleanupTestCase() {
        unfill();
        if (mounted) ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH);
    }

    // Each store that saves a file of the user's: the disk full at the save,
    // the old file stays byte for byte, no temporary file is left behind, and
    // one message says the file is as it was (a file saved for the first time:
    // that it was not made).
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<Store>("store");
        QTest::addColumn<bool>("existed");
        QTest::newRow("tournament's state") << Store::Certamen << true;
        QTest::newRow("tournament's table exported over an old one") << Store::CertamenExport << true;
        QTest::newRow("tournament's table exported anew") << Store::CertamenExport << false;
        QTest::newRow("missed words") << Store::Errata << true;
        QTest::newRow("a teacher's list") << Store::List << true;
        QTest::newRow("a teacher's list saved anew") << Store::List << false;
        QTest::newRow("a player's games exported") << Store::ProgressExport << true;
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(Store, store);
        QFETCH(bool, existed);
        QFile::remove(Certamen::statePath());
        BoardFixture fx;
        const QString exported = QDir(fx.path()).filePath(QStringLiteral("tabula.csv"));
        QString path = exported, shown;
        QByteArray old = "Gradus,Sinister\r\n1,Anna\r\n";
        switch (store) {
        case Store::Certamen:
            path = Certamen::statePath();
            old = tournament(3).save();
            break;
        case Store::Errata:
            path = QDir(fx.path()).filePath(QStringLiteral("errata.txt"));
            old = oldErrata;
            break;
        default:
            break;
        }
        if (existed) writeFile(path, old);
        Traduci &b = fx.board();
        QCoreApplication::processEvents();
        Certamen &c = *b.findChild<Certamen *>(QStringLiteral("certamen"));
        if (store == Store::CertamenExport) c.begin(tournament(4));
        const qsizetype messagesBefore = fx.platform.messages.size();
        std::unique_ptr<players::History> history;
        std::unique_ptr<frmProgressus> progress;
        if (store == Store::ProgressExport) {
            history =
                std::make_unique<players::History>(QDir(fx.path()).filePath(QStringLiteral("h.sqlite")));
            progress = std::make_unique<frmProgressus>(
                *history, QList<players::Player>{{players::Roster::guestId, players::Roster::guestName}},
                players::Roster::guestId);
            progress->askPath = [&](const QString &) { return path; };
        }
        const QStringList before =
            QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden);
        const auto dialog = Certamen::fileDialog;
        Certamen::fileDialog = [&](QWidget *, const QString &, const QString &, const QString &, bool) {
            return path;
        };
        // Whatever fails below, the disk is emptied again and the dialog restored.
        const auto restore = [&] {
            unfill();
            Certamen::fileDialog = dialog;
        };
        const auto restoreAtAnyEnd = qScopeGuard(restore);

        fill();
        switch (store) {
        case Store::Certamen:
            c.begin(tournament(4));
            break;
        case Store::CertamenExport:
            c.Tabula_Click();
            QVERIFY(c.tabula());
            c.tabula()->Exporta_Click();
            break;
        case Store::Errata:
            b.findChild<Errata *>(QStringLiteral("errata"))->dele();
            break;
        case Store::List:
            QVERIFY(!lists::saveAtomically(path, QByteArray(300, 'v'), &shown));
            break;
        case Store::ProgressExport:
            progress->Exporta_Click();
            break;
        }
        restore();

        if (existed)
            QCOMPARE(readAll(path), old);
        else
            QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden), before);
        if (store != Store::List) {
            QCOMPARE(fx.platform.messages.size(), messagesBefore + 1);
            shown = fx.platform.messages.last().text;
        }
        QVERIFY2(shown.contains(QStringLiteral("il disco è pieno")), qPrintable(shown));
        QVERIFY2(shown.contains(existed ? QStringLiteral("com'era") : QStringLiteral("non è stato creato")),
                 qPrintable(shown));
    }

    // A file written again keeps the permissions its owner gave it, and no
    // temporary file is left beside it.
    void rewriteKeepsPermissions() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("meum.txt"));
        writeFile(path, "vetus");
        const auto mine = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        QVERIFY(QFile::setPermissions(path, mine));
        QVERIFY(ui::writeWhole(path, "novum"));
        QCOMPARE(readAll(path), "novum");
        QCOMPARE(QFile::permissions(path), mine);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"meum.txt"});
    }

    // A data folder where nothing can be written: the history cannot be made,
    // and its one message does not promise that the missed words (in the same
    // folder) are kept instead.
    void readOnlyDataFolder() {
        const QString folder = base.filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkpath(folder));
        const bool root = ::geteuid() == 0;
        if (root &&
            ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_RDONLY, "size=64k") != 0) {
            std::printf("A read-only tmpfs could not be mounted (%s), and root writes in any folder.\n",
                        std::strerror(errno));
            QSKIP("no read-only folder to be had");
        }
        if (!root) QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QStringList told;
        {
            players::History history(QDir(folder).filePath(QStringLiteral("historia.sqlite")));
            connect(&history, &players::History::trouble, this, [&](const QString &t) { told << t; });
            history.prepare();
            QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), 60000);
        }
        if (root) ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
        QCOMPARE(told.size(), 1);
        QVERIFY2(!told.first().contains(QStringLiteral("salvati a parte")), qPrintable(told.first()));
    }

    // The program started twice on one user's data: the second copy says so
    // and ends; once the first has crashed, the next start takes its lock over.
    void secondCopyEnds() {
        QTemporaryDir run;
        QVERIFY(QFile::copy(QStringLiteral(ASSETS_DIR "/vocabula.txt"),
                            run.filePath(QStringLiteral("vocabula.txt"))));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), run.filePath(QStringLiteral("home")));
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        const auto start = [&](QProcess &p, const QString &program, bool helper) {
            QProcessEnvironment e = env;
            if (helper) e.insert(QStringLiteral("LESSICORSA_SECOND_COPY"), QStringLiteral("1"));
            p.setProcessEnvironment(e);
            p.setWorkingDirectory(run.path());
            p.start(program, {});
            QVERIFY(p.waitForStarted());
        };
        const QString lock =
            run.filePath(QStringLiteral("home/.local/share/Lessicorsa/Lessicorsa/lessicorsa.lock"));

        QProcess first;
        start(first, QStringLiteral(LESSICORSA_PROGRAM), false);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(lock).size() > 0, 120000);
        QProcess second;
        start(second, QCoreApplication::applicationFilePath(), true);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 3);
        QVERIFY(
            QString::fromLocal8Bit(second.readAllStandardOutput()).contains(QStringLiteral("già aperto")));
        QCOMPARE(first.state(), QProcess::Running);

        first.kill(); // a crash: the lock stays behind
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(QFileInfo::exists(lock));
        QProcess third;
        start(third, QCoreApplication::applicationFilePath(), true);
        QVERIFY(third.waitForFinished(60000));
        QCOMPARE(third.exitCode(), 0);
        QCOMPARE(third.readAllStandardOutput(), QByteArray());
    }
};

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsSet("LESSICORSA_SECOND_COPY")) return secondCopy(argc, argv);
    QApplication app(argc, argv);
    TestSafekeeping t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_safekeeping.moc"
