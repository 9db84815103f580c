// A teacher's lists in the game: the list chosen, played, remembered or missing; the list window;
// the import preview; a new list; the export from the menu; lists and test sheets printed to PDF.

#include "board/traduci.h"
#include "lists/asking.h"
#include "lists/frmimporta.h"
#include "lists/frmimprime.h"
#include "lists/frmrepertorium.h"
#include "lists/listmodel.h"
#include "lists/lists.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"
#include "support/layout.h"
#include "ui/wholefile.h"

#include <QAbstractItemModelTester>
#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

using namespace lists;

namespace {

const auto listsOf = [](Traduci &b) { return b.findChild<Lists *>("lists"); };
const auto native = [](const QString &path) { return QDir::toNativeSeparators(path); };
// The teacher picks `path` when asked for a file to open, and gives up when asked where to write one.
const auto answerFile = [](const QString &path) {
    asking().file = [path](QWidget *, const QString &, const QString &, const QString &, bool save,
                           QString *) { return save ? QString() : path; };
};

const QByteArray edited = "/ caput I\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;1;rex, regis m.;re\r\n"
                          "aqua acqua\r\n0;4;et;e\r\n0;3;amo, -as, -avi, -atum, -are;amare\r\n";

// A PDF's words as pdftotext reads them back, page by page, each with its box in points.
QString printedWords(const QString &pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    if (!p.waitForFinished() || p.exitCode() != 0) return QString();
    static const QRegularExpression item(
        R"re(<page |<word xMin="(\S+)" yMin="(\S+)" xMax="(\S+)" yMax="(\S+)">([^<]*))re");
    QString words;
    for (const QRegularExpressionMatch &m : item.globalMatch(QString::fromUtf8(p.readAllStandardOutput())))
        words += m.hasCaptured(5) ? QStringList(m.capturedTexts().mid(1)).join(' ') + '\n' : "page\n";
    return words;
}

} // namespace

class TestListsWindow : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { resetAsking(); }

    // The list chosen plays when "Repertorio meo utor" is ticked, in a language of its heading's;
    // remembered for the next start, gone missing it gives way to vocpers.txt with a warning.
    void chosenList() {
        BoardFixture fx;
        QDir(fx.path()).mkdir("classis");
        fx.write("classis/meum.txt", makeVocabulary(20).replace("English", "Deutsch"));
        const QString path = fx.path() + "/classis/meum.txt";
        Traduci &b = fx.board();
        listsOf(b)->choose(path);
        QCOMPARE(fx.settings()->Chfreq(0)->caption(), "Repertorio meo utor\r(" + native(path) + ")");
        startGame(fx, {.tweak = [](Impostazioni *w) {
                      w->Chfreq(0)->setValue(1);
                      w->Lingue->setListIndex(1);
                      QCOMPARE(w->Lingue->items(), QStringList({"Italiano", "Deutsch"})); // the list's own
                      QVERIFY(w->Frame4->shown());
                  }});
        QVERIFY(b.playing());
        QCOMPARE(b.state.loadedFile, path);
        QCOMPARE(b.state.vocabularyTable.at(1)[3], QString("word1"));
        QFile::remove(path);
        fx.platform.messages.clear();
        Traduci next;
        QCOMPARE(listsOf(next)->current(), path);
        QCOMPARE(listsOf(next)->recent(), QStringList{path});
        Impostazioni *w = next.impostazioni();
        w->Chfreq(0)->setValue(1);
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages[0].text, "file \"" + native(path) + "\" inesistente");
        QCOMPARE(w->Chfreq(0)->value(), 0);
        QCOMPARE(w->Chfreq(0)->caption(),
                 "Repertorio meo utor\r(" + native(QDir::current().absoluteFilePath("vocpers.txt")) + ")");
        QCOMPARE(next.personalVocabulary(), QString("vocpers.txt"));
        // A list in one language offers no choice of language.
        fx.write("classis/unum.txt",
                 QByteArray(makeVocabulary(20)).replace(";English", "").replace(";word", " word"));
        listsOf(next)->choose(fx.path() + "/classis/unum.txt");
        w->Lingue->setListIndex(1); // English, which the list lacks
        w->Chfreq(0)->setValue(1);
        QCOMPARE(w->Lingue->items(), QStringList{"Italiano"});
        QCOMPARE(w->Lingue->listIndex(), 0);
        QVERIFY(!w->Frame3->shown() && !w->Frame4->shown());
    }

    // The list window's edits, each undoable, saved with every other line as it stood; closing with
    // changes not saved asks first, Cancel keeps the window (`saved` empty: closed, file untouched).
    void editAndSave_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<int>("messages");
        const auto row = [](const char *t, QString steps, QByteArray saved, int n = 0) {
            QTest::newRow(t) << steps << saved << n;
        };
        const auto replaced = [](QByteArray a, QByteArray b) { return QByteArray(edited).replace(a, b); };
        row("added, its class guessed", "add0=novus, -a, -um",
            replaced("m.;re\r\n", "m.;re\r\n0;2;novus, -a, -um;\r\n"));
        row("added with no row chosen: at the end", "add9=novus, -a, -um",
            edited + "0;2;novus, -a, -um;\r\n");
        // the second undo puts the first row deleted back, each in its place
        row("deleted, undone, redone", "del0|del1|undo|undo|redo", replaced("0;1;rex, regis m.;re\r\n", ""));
        row("sorted by the Latin word, the defective line in its place", "sort0",
            "/ caput I\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;3;amo, -as, -avi, -atum, -are;amare\r\n"
            "aqua acqua\r\n0;4;et;e\r\n0;1;rex, regis m.;re\r\n");
        row("two words alike sorted, in the order they stood", "set2=rex, regis m.|sort0",
            "/ caput I\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;3;amo, -as, -avi, -atum, -are;amare\r\n"
            "aqua acqua\r\n0;1;rex, regis m.;re\r\n0;4;rex, regis m.;e\r\n");
        row("sorted descending, undone", "sort0d|undo", edited);
        row("a class chosen", "cls2=3", replaced("0;4;et", "0;3;et"));
        row("a defective line mended", "set1=aqua, -ae f.",
            replaced("aqua acqua\r\n", "0;1;aqua, -ae f.;\r\n"));
        row("a semicolon refused", "set2=et; ac", edited, 1);
        row("closed, nothing changed", "esc", {});
        row("closed by its close box with changes, OK", "set0=rex|closeOk", {}, 1);
        row("a word given its own text, closed: nothing changed", "set0=rex, regis m.|esc", {});
        row("closed with changes, Cancel", "set0=rex|escCancel", replaced("rex, regis m.", "rex"), 1);
        row("closed with changes, OK", "set0=rex|escOk", {}, 1);
        row("saved on a full disk: not saved, saved later", "set0=rex|full", replaced("rex, regis m.", "rex"),
            1);
    }
    void editAndSave() {
        QFETCH(QString, steps);
        QFETCH(QByteArray, saved);
        QFETCH(int, messages);
        BoardFixture fx;
        fx.write("meum.txt", edited);
        frmRepertorium w(fx.path() + "/meum.txt");
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        ListModel *m = w.model();
        QAbstractItemModelTester consistent(m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m->data(m->index(1, 0), Qt::ToolTipRole).toString().section(':', 0, 0), "Record difettoso");
        QCOMPARE(m->data(m->index(0, 1), Qt::EditRole), QVariant(1)); // the class edited by its number
        fx.platform.answers.enqueue(steps.endsWith("Ok") ? ui::Answer::Ok : ui::Answer::Cancel);
        for (const QString &s : steps.split('|')) {
            const QString value = s.section('=', 1);
            w.tabula->setCurrentIndex(m->index(s.mid(3, 1).toInt(), s.startsWith("cls") ? 1 : 0));
            if (s.startsWith("add")) w.Adde_Click();
            if (s.startsWith("del")) w.Dele_Click();
            if (s.startsWith("sort")) m->sortBy(0, Qt::SortOrder(s.endsWith('d'))); // d: descending
            if (s.endsWith("do")) QTest::keyClick(&w, s == "undo" ? 'z' : 'y', Qt::ControlModifier);
            if (!value.isEmpty()) m->setData(w.tabula->currentIndex(), value, Qt::EditRole);
            if (s.startsWith("esc")) QTest::keyClick(w.tabula, Qt::Key_Escape);
            if (s.startsWith("close")) w.close();
            if (s == "full") {
                ui::setWriteFailureForTest([](qint64, qint64) { return false; });
                QVERIFY(!w.Salva_Click());
                ui::setWriteFailureForTest(nullptr);
            }
        }
        QCOMPARE(fx.platform.messages.size(), messages);
        QCOMPARE(w.isVisible(), !saved.isEmpty());
        QVERIFY(saved.isEmpty() || w.Salva_Click());
        QCOMPARE(readAll(fx.path() + "/meum.txt"), saved.isEmpty() ? edited : saved);
    }

    // A defective line above the heading is shown, not edited; a cell changes only in the edit role;
    // a class's editor opens on the row's class.
    void readOnlyRows() {
        BoardFixture fx;
        fx.write("meum.txt", "aqua acqua\r\n" + edited);
        frmRepertorium w(fx.path() + "/meum.txt");
        ListModel *m = w.model();
        QVERIFY(!m->flags(m->index(0, 0)).testFlag(Qt::ItemIsEditable));
        QVERIFY(!m->setData(m->index(0, 0), "aqua, -ae f.", Qt::EditRole));
        QVERIFY(!m->setData(m->index(1, 0), "rex", Qt::DisplayRole));
        w.show();
        w.tabula->edit(m->index(1, 1)); // the class's editor opens on the row's class, the first
        QCOMPARE(w.tabula->findChild<QComboBox *>()->currentIndex(), 0);
        QCOMPARE(m->index(0, 0).data().toString() + '|' + m->index(1, 0).data().toString(),
                 "aqua acqua|rex, regis m.");
    }

    // Ctrl+F finds in every column, row after row, from the top again at the end.
    void find() {
        BoardFixture fx;
        fx.write("meum.txt", edited);
        frmRepertorium w(fx.path() + "/meum.txt");
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(w.quaestio->isVisible());
        QTest::keyClicks(w.quaere, "RE");
        QStringList found;
        const auto next = [&](Qt::Key key) {
            QTest::keyClick(w.quaere, key);
            found << QString::number(w.tabula->currentIndex().row()) + ':' +
                         QString::number(w.tabula->currentIndex().column());
        };
        for (int i = 0; i < 5; ++i)
            next(i == 0 ? Qt::Key_Return : Qt::Key_F3);
        // A defective line is searched as the one text it shows in the first column.
        w.quaere->setText("CQ");
        next(Qt::Key_Return);
        QCOMPARE(found, QStringList({"0:0", "0:2", "3:0", "3:2", "0:0", "1:0"}));
        QTest::keyClick(w.quaere, Qt::Key_Escape);
        QVERIFY(!w.quaestio->isVisible() && w.isVisible());
    }

    // An import through its preview, or a new list: what the teacher does there is what the list
    // holds, written where asked and played from then on; a file that cannot be read writes nothing.
    void importOrNew_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("list");
        const auto row = [](const char *t, QString name, QByteArray bytes, QString change, QString list) {
            QTest::newRow(t) << name << bytes << change << list;
        };
        row("KVTML, two lessons, one taken", "caput.kvtml",
            "<kvtml version=\"2.0\"><entries><entry id=\"1\"><translation id=\"0\"><text>aqua, -ae f.</text>"
            "</translation><translation id=\"1\"><text>acqua</text></translation></entry><entry id=\"2\">"
            "<translation id=\"0\"><text>sed</text></translation><translation id=\"1\"><text>ma</text>"
            "</translation></entry></entries><lessons><container><name>I</name><entry id=\"1\"/></container>"
            "<container><name>II</name><entry id=\"2\"/></container></lessons></kvtml>",
            "lesson II off", "Ordo;Classis;Verbum latinum;Italiano\r\n0;1;aqua, -ae f.;acqua\r\n");
        row("KVTML, a switched-off entry taken when asked for", "caput.kvtml",
            "<kvtml version=\"2.0\"><entries><entry id=\"1\"><translation id=\"0\"><text>aqua</text>"
            "</translation><translation id=\"1\"><text>acqua</text></translation></entry><entry id=\"2\">"
            "<deactivated>true</deactivated><translation id=\"0\"><text>sed</text></translation>"
            "<translation id=\"1\"><text>ma</text></translation></entry></entries></kvtml>",
            "inactiva", "Ordo;Classis;Verbum latinum;Italiano\r\n0;4;aqua;acqua\r\n0;4;sed;ma\r\n");
        row("CSV, a class changed, a column kept under its own name", "verba.csv",
            "Latin,Italiano,Nota\ncurro,corro,x\n", "class 0=3, role 2=Nota mea",
            "Ordo;Classis;Verbum latinum;Italiano;Nota mea\r\n0;3;curro;corro;x\r\n");
        row("CSV, two columns made Latin: the first is the word", "verba.csv",
            "Latin,Italiano,Nota\ncurro,corro,x\n", "role 2=Latinum",
            "Ordo;Classis;Verbum latinum;Italiano\r\n0;4;curro;corro\r\n");
        row("the preview left with Exit", "verba.csv", "a,b\n", "exit", "");
        row("malformed: a message naming the line", "mala.kvtml",
            "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n<entries>\n</kvtml>", "",
            "Impossibile importare il file mala.kvtml, riga 4");
        row("a new list, a word added", "", "", "new",
            "Ordo;Classis;Verbum latinum;Italiano\r\n0;3;amo, -as, -avi, -atum, -are;amo è\r\n");
    }
    void importOrNew() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, change);
        QFETCH(QString, list);
        BoardFixture fx;
        fx.write(name, bytes);
        Lists *l = listsOf(fx.board());
        const QString target = fx.path() + "/novum.txt";
        // The file to import is asked for to be opened, the new list's to be written.
        asking().file = [&](QWidget *, const QString &, const QString &, const QString &, bool save,
                            QString *) { return save ? target : fx.path() + '/' + name; };
        asking().exec = [&](QDialog *d) {
            if (auto *w = qobject_cast<frmRepertorium *>(d)) {
                w->Adde_Click();
                w->model()->setData(w->tabula->currentIndex(), "amo, -as, -avi, -atum, -are", Qt::EditRole);
                w->model()->setData(w->model()->index(0, 2), "amo è", Qt::EditRole);
                return int(w->Salva_Click() ? QDialog::Accepted : QDialog::Rejected);
            }
            auto *w = qobject_cast<frmImporta *>(d);
            if (change.startsWith("lesson"))
                w->lessons->findItems("II", Qt::MatchExactly).first()->setCheckState(Qt::Unchecked);
            if (change == "inactiva" && !w->inactiva->isHidden()) w->inactiva->setChecked(true);
            if (change.startsWith("class")) w->setClass(0, 3);
            const QRegularExpressionMatch role = QRegularExpression("role (\\d)=(.+)").match(change);
            if (role.hasMatch()) w->roles[role.captured(1).toInt()]->setCurrentText(role.captured(2));
            return int(change == "exit" ? QDialog::Rejected : QDialog::Accepted);
        };
        if (name.isEmpty()) l->Novum_Click();
        if (!name.isEmpty()) l->Importa_Click();
        const bool made = list.startsWith("Ordo");
        if (!made) QCOMPARE(fx.platform.messages.value(0).text.left(list.size()), list);
        QCOMPARE(QString::fromUtf8(readAll(target)), made ? list : QString());
        QCOMPARE(l->current(), made ? target : QString("vocpers.txt"));
    }

    // "Exporta" writes the format its file name asks for, or when the name has no extension the
    // format of the filter chosen, adding its extension; read back, the same records and languages.
    void exportFromMenu() {
        const QByteArray list =
            "Ordo;Classis;Verbum latinum;Italiano;Fran\347ais\r\n/ nota\r\naqua acqua\r\n0;2;"
            "bonus, -a, -um;buono;bon\r\n0;1;res, rei f.;cosa, \"faccenda\";chose\r\n0;3;sum, "
            "es, fui, esse;essere;\xeatre\r\n0;4;et;e & anche;et <aussi>\r\n";
        BoardFixture fx;
        fx.write("meum.txt", list);
        Lists *l = listsOf(fx.board());
        l->choose(fx.path() + "/meum.txt");
        for (const auto &[typed, filter, name] :
             {std::tuple{"meum.csv", "KVTML (*.kvtml)", QString("meum.csv")},
              {"meum.kvtml", "CSV (*.csv)", "meum.kvtml"},
              {"alterum", "KVTML (*.kvtml)", "alterum.kvtml"},
              {"tertium", "CSV (*.csv)", "tertium.csv"}}) {
            asking().file = [path = fx.path() + '/' + typed,
                             filter = QString(filter)](QWidget *, const QString &, const QString &,
                                                       const QString &, bool save, QString *chosen) {
                *chosen = filter;
                return save ? path : QString();
            };
            l->Exporta_Click();
            const QByteArray bytes = readAll(fx.path() + '/' + name);
            QCOMPARE(bytes, readAll(TEST_DATA_DIR "/export/" + name)); // byte for byte as stored
            QCOMPARE(formatOf(bytes), name.endsWith("csv") ? Format::Csv : Format::Kvtml);
            // Another program reads each word's class from KVTML's word types: all four are there.
            if (name.endsWith("kvtml"))
                for (const QString &c : classNames())
                    QVERIFY2(bytes.contains(("<name>" + c + "</name>").toUtf8()), qPrintable(c));
            const ImportResult r = readAs(formatOf(bytes), bytes);
            const ImportChoice c = initialChoice(r.table);
            QCOMPARE(c.names, WordList::fromBytes(list).languages());
            QCOMPARE(WordList::fromBytes(buildList(r.table, c)).records(),
                     WordList::fromBytes(list).records());
        }
    }

    // The system's print dialog decides: printed on its O.K., not on cancel.
    void printDialogDecides() {
        for (const auto &[key, printed] : {std::pair{Qt::Key_Escape, false}, {Qt::Key_Return, true}}) {
            QTimer::singleShot(0, [key = key] {
                QWidget *d = QApplication::activeModalWidget();
                QVERIFY(d);
                QTest::keyClick(d, key);
            });
            QPrinter printer;
            printer.setOutputFileName(QDir::temp().filePath("lessicorsa-print-test.pdf"));
            QCOMPARE(asking().print(&printer, nullptr), printed);
        }
    }

    // "Aperi" takes any vocabulary file but one the game would stop at; the recent lists are the
    // last five chosen, newest first, and one gone missing leaves them with a warning.
    void openAndRecent_data() {
        QTest::addColumn<QString>("chosen"); // l<k>.txt; "+k": taken from the recent ones; "-k": gone first
        QTest::addColumn<QString>("recent");
        QTest::newRow("seven lists, the last five kept") << QString("1 2 3 4 5 6 7") << "76543";
        QTest::newRow("one chosen again comes first") << QString("1 2 3 1") << "132";
        QTest::newRow("not a vocabulary: refused") << QString("1 junk") << "1";
        QTest::newRow("a recent list taken again") << QString("1 2 +1") << "12";
        QTest::newRow("a recent list gone missing") << QString("1 2 -1") << "2";
        QTest::newRow("the newest gone missing") << QString("1 2 -2") << "1";
    }
    void openAndRecent() {
        QFETCH(QString, chosen);
        QFETCH(QString, recent);
        BoardFixture fx;
        for (int k = 1; k <= 7; ++k)
            fx.write(QString("l%1.txt").arg(k), makeVocabulary(10));
        fx.write("ljunk.txt", QByteArray("\177ELF junk line\n").repeated(40));
        Lists *l = listsOf(fx.board());
        for (const QString &c : chosen.split(' ')) {
            const QString path = fx.path() + "/l" + QString(c).remove('-').remove('+') + ".txt";
            answerFile(path);
            if (c.startsWith('-')) QVERIFY(QFile::remove(path));
            if (c.startsWith('-') || c.startsWith('+'))
                l->Recens_Click(static_cast<int>(l->recent().indexOf(path)));
            else
                l->Aperi_Click();
        }
        QString names;
        for (const QString &r : l->recent())
            names += QFileInfo(r).baseName().mid(1);
        QCOMPARE(names, recent);
        // The newest plays; the one playing, gone missing, stays chosen until a game tells of it.
        QCOMPARE(QFileInfo(l->current()).baseName().mid(1), chosen.endsWith("-2") ? "2" : recent.left(1));
        QCOMPARE(fx.board().personalVocabulary(), l->current());
        QCOMPARE(fx.platform.messages.size(), chosen.contains("junk") || chosen.contains('-') ? 1 : 0);
    }

    // The preview reads a CSV file again with the separator and heading row chosen.
    void previewSeparatorAndHeading() {
        BoardFixture fx;
        frmImporta w("verba.csv", "Latinum;Italiano\nrex, regis m.;re\nlaudo, -are;lodo, io\n");
        QVERIFY(w.roles.size() == 2 && w.heading->isChecked());
        w.separator->setCurrentIndex(w.separator->findData(QChar(',')));
        QCOMPARE(w.roles.size(), 3);
        w.heading->setChecked(false);
        QCOMPARE(w.rows->rowCount(), 3);
        w.separator->setCurrentIndex(w.separator->findData(QChar(';')));
        w.heading->setChecked(true);
        QCOMPARE(buildList(w.result().table, w.choice()),
                 QByteArray("Ordo;Classis;Verbum latinum;Italiano\r\n0;1;rex, regis m.;re\r\n0;3;laudo, "
                            "-are;lodo, io\r\n"));
        QCOMPARE(w.summa->text() + (w.Importa->isEnabled() ? "+" : "-"), "2 vocaboli da importare+");
        // A first row that looks like a heading is a word when the box says so.
        w.heading->setChecked(false);
        QCOMPARE(w.rows->rowCount(), 3);
        QCOMPARE(w.rows->item(0, 1)->text(), "Latinum");
        // Only the class is chosen in the preview; the words are the file's.
        QList<bool> editable;
        for (int c = 0; c < w.rows->columnCount(); ++c)
            editable << w.rows->item(0, c)->isEditable();
        QCOMPARE(editable, QList<bool>({false, false, true, false}));
    }

    // The preview shows the first 200 words and counts them all; a file with
    // no word in it imports nothing.
    void previewCounts_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("summa");
        QTest::newRow("none") << 0 << 0 << "0 vocaboli da importare-";
        QTest::newRow("250") << 250 << 200 << "250 vocaboli da importare+";
    }
    void previewCounts() {
        QFETCH(int, words);
        QFETCH(int, shown);
        QFETCH(QString, summa);
        BoardFixture fx;
        QByteArray bytes = "Latinum;Italiano\n";
        for (int i = 0; i < words; ++i)
            bytes += "rex" + QByteArray::number(i) + ";re\n";
        frmImporta w("verba.csv", bytes);
        QCOMPARE(w.rows->rowCount(), shown);
        QCOMPARE(w.summa->text() + (w.Importa->isEnabled() ? "+" : "-"), summa);
    }

    // Printed to a PDF, every word in its place on its page (read back and compared with the pages
    // stored): the list as a table over several pages, or a test sheet of the words of the class
    // chosen, shuffled, each with its own answer, the key last.
    void printed_data() {
        QTest::addColumn<int>("wordClass"); // -1: the list itself
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("words"); // in the list
        QTest::addColumn<int>("keyPages");
        QTest::addColumn<int>("language"); // of the answers
        QTest::newRow("the list") << -1 << 0 << 150 << 0 << 1;
        QTest::newRow("a test of all the verbs") << 3 << 0 << 60 << 1 << 1;
        QTest::newRow("a test of ten words of any class") << 0 << 10 << 60 << 1 << 1;
        QTest::newRow("a test of every word in Italian") << 0 << 0 << 60 << 2 << 0;
    }
    void printed() {
        QFETCH(int, wordClass);
        QFETCH(int, count);
        QFETCH(int, words);
        QFETCH(int, keyPages);
        QFETCH(int, language);
        BoardFixture fx;
        const WordList list = WordList::fromBytes(makeVocabulary(words));
        frmImprime w(list, "Caput I");
        w.Probatio->setChecked(wordClass >= 0);
        w.classis->setCurrentIndex(std::max(wordClass, 0));
        w.numerus->setValue(count);
        w.lingua->setCurrentIndex(language);
        fx.platform.script({0.5f, 0.25f, 0.9f});
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, fx.path() + "/printed.pdf");
        const Printed printed = w.printTo(printer);
        QCOMPARE(printed.keyPage ? printed.pages - printed.keyPage + 1 : 0, keyPages);
        const QString pageWords = printedWords(fx.path() + "/printed.pdf");
        QCOMPARE(pageWords.count("page\n"), printed.pages);
        compareLayout(pageWords, "printed-" + QString(QTest::currentDataTag()).replace(' ', '-'));
    }

    // "PDF" writes the file chosen and "Imprime" prints on the printer chosen, each telling when it
    // cannot (a folder that is not there); nothing is done when no file is chosen.
    void printOrPdf() {
        BoardFixture fx;
        frmImprime w(WordList::fromBytes(makeVocabulary(3)), "Caput I");
        for (const QString &path : {fx.path() + "/c.pdf", fx.path() + "/nulla/c.pdf", QString()}) {
            asking().file = [path](auto &&...) { return path; };
            asking().print = [path](QPrinter *p, QWidget *) {
                return p->setOutputFileName(path), !path.isEmpty();
            };
            const bool written = !path.isEmpty() && !path.contains("nulla");
            QCOMPARE(w.Pdf_Click(), written);
            QCOMPARE(QFile::remove(path), written);
            w.Imprime_Click();
            QCOMPARE(QFile::remove(path), written);
        }
        QCOMPARE(fx.platform.messages.size(), 2);
        QCOMPARE(fx.platform.messages[1].text, "Impossibile stampare.");
    }

    // A test sheet's words come in any of their orders, each as likely: every
    // order of three words is drawn once over the six draws that choose one.
    void testShuffle() {
        BoardFixture fx;
        const WordList list = WordList::fromBytes(makeVocabulary(3));
        QSet<QString> orders;
        for (float first : {0.0f, 0.4f, 0.7f})
            for (float second : {0.0f, 0.6f}) {
                fx.platform.script({first, second});
                orders << makeTest(list, 0, 0, 1, "Caput I").words.join(' ');
            }
        QCOMPARE(orders.size(), 6);
    }

    // Printed, no text is cut: long headwords, classes and translations wrap in columns sized to
    // their contents, and a test's items are numbered in full from 1000 on (read back from the PDF).
    void printedWhole_data() {
        QTest::addColumn<int>("wordClass"); // -1: the list itself
        QTest::addColumn<int>("records");
        QTest::newRow("the list") << -1 << 40;
        QTest::newRow("a test of 1,005 words") << 0 << 1005;
    }
    void printedWhole() {
        QFETCH(int, wordClass);
        QFETCH(int, records);
        BoardFixture fx;
        QByteArray bytes = "Ordo;Classis;Verbum latinum;Italiano;English\r\n";
        for (int i = 0; i < records; ++i)
            bytes += "0;" + QByteArray(i % 2 ? "3" : "Adiectiva, pronomina") + ";possum" +
                     QByteArray::number(i) +
                     ", potes, potui, posse, irregulare cum partibus principalibus;potere" +
                     QByteArray::number(i) + ", essere in grado di fare qualcosa di difficile;to be able\r\n";
        const WordList list = WordList::fromBytes(bytes);
        frmImprime w(list, "Caput I");
        w.Probatio->setChecked(wordClass >= 0);
        w.classis->setCurrentIndex(std::max(wordClass, 0));
        w.numerus->setValue(0);
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, fx.path() + "/whole.pdf");
        QVERIFY(w.printTo(printer).pages > 0);
        if (QProcess::execute("pdftotext", {"-raw", fx.path() + "/whole.pdf", fx.path() + "/whole.txt"}) != 0)
            QSKIP("pdftotext (poppler-utils) is needed to read the PDF back");
        const QString text = QString::fromUtf8(readAll(fx.path() + "/whole.txt"));
        QString joined = text;
        joined.remove(QRegularExpression("\\s"));
        QVERIFY(!text.contains(QChar(0x2026)));
        for (int i = 0; i < records; i += wordClass < 0 ? 1 : 97) {
            QVERIFY2(joined.contains(
                         QString("possum%1,potes,potui,posse,irregularecumpartibusprincipalibus").arg(i)),
                     qPrintable(QString::number(i)));
            if (wordClass < 0)
                QVERIFY(joined.contains(QString("potere%1,essereingradodifarequalcosadidifficile").arg(i)));
        }
        if (wordClass < 0)
            QVERIFY(joined.contains("Adiectiva,pronomina"));
        else
            QVERIFY(text.contains(QRegularExpression("(^|\\s)1005\\.\\s")) &&
                    text.contains(QRegularExpression("(^|\\s)1000\\.\\s")));
    }
};

QTEST_MAIN(TestListsWindow)
#include "tst_lists_window.moc"
