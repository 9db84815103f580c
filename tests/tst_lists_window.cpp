// A teacher's lists in the game: the list chosen is played and remembered,
// one gone missing gives way to vocpers.txt; the list window edits, undoes,
// sorts, finds and saves; the import preview and its choices; the export
// from the menu; the test sheet printed into a PDF.

#include "board/traduci.h"
#include "lists/asking.h"
#include "lists/frmimporta.h"
#include "lists/frmimprime.h"
#include "lists/frmrepertorium.h"
#include "lists/listmodel.h"
#include "lists/lists.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

using namespace lists;

namespace {

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A list of `n` words in two languages, classes cycling 1..4.
QByteArray twoLanguages(int n) {
    QByteArray v = "Ordo;Classis;Verbum latinum;Italiano;English\r\n";
    for (int i = 1; i <= n; ++i) {
        const QByteArray k = QByteArray::number(i);
        v += "0;" + QByteArray::number((i - 1) % 4 + 1) + ";lat" + k + ";it" + k + ";en" + k + "\r\n";
    }
    return v;
}

Lists *listsOf(Traduci &b) {
    return b.findChild<Lists *>(QStringLiteral("lists"));
}

QString native(const QString &path) {
    return QDir::toNativeSeparators(path);
}

const QByteArray edited = "/ caput I\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;1;rex, regis m.;re\r\n"
                          "aqua acqua\r\n0;4;et;e\r\n0;3;amo, -as, -avi, -atum, -are;amare\r\n";

} // namespace

class TestListsWindow : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { resetAsking(); }

    // The list chosen plays when "Repertorio meo utor" is ticked, in the
    // language chosen among its heading's; vocpers.txt stays as designed.
    void personalVocabulary_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<bool>("languages");
        QTest::newRow("vocpers.txt as designed") << "" << 1 << "it1" << false;
        QTest::newRow("a list of one's own, first language") << "classis/meum.txt" << 0 << "it1" << true;
        QTest::newRow("a list of one's own, second language") << "classis/meum.txt" << 1 << "en1" << true;
    }
    void personalVocabulary() {
        QFETCH(QString, list);
        QFETCH(int, language);
        QFETCH(QString, translation);
        QFETCH(bool, languages);
        BoardFixture fx;
        QDir(fx.path()).mkdir("classis");
        fx.write(list.isEmpty() ? "vocpers.txt" : list, twoLanguages(20));
        Traduci &b = fx.board();
        const QString path =
            list.isEmpty() ? QDir::current().absoluteFilePath("vocpers.txt") : fx.path() + '/' + list;
        if (!list.isEmpty()) listsOf(b)->choose(path);
        QCOMPARE(fx.settings()->Chfreq(0)->caption(), "Repertorio meo utor\r(" + native(path) + ")");
        QStringList offered;
        startGame(fx, {.tweak = [&](Impostazioni *w) {
                      w->Chfreq(0)->setValue(1);
                      w->Lingue->setListIndex(language);
                      for (int i = 0; i < w->Lingue->listCount(); ++i)
                          offered << w->Lingue->list(i);
                      QCOMPARE(w->Frame4->shown(), languages);
                  }});
        QCOMPARE(b.state.loadedFile, list.isEmpty() ? QString("vocpers.txt") : path);
        QCOMPARE(b.state.vocabularyTable.at(1)[3], translation);
        if (languages) QCOMPARE(offered, QStringList({"Italiano", "English"}));
        QVERIFY(b.playing());
    }

    // The list is remembered for the next start; when it has gone missing,
    // ticking the box warns as designed and vocpers.txt takes its place.
    void rememberedAndMissing() {
        BoardFixture fx;
        fx.write("meum.txt", twoLanguages(20));
        const QString path = fx.path() + "/meum.txt";
        listsOf(fx.board())->choose(path);
        QFile::remove(path);
        Traduci next;
        QCOMPARE(listsOf(next)->current(), path);
        QCOMPARE(listsOf(next)->recent(), QStringList{path});
        Impostazioni *w = next.impostazioni();
        w->Chfreq(0)->setValue(1);
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages[0].text, "file \"" + native(path) + "\" inesistente");
        QCOMPARE(fx.platform.messages[0].title, QString("Manca il vocabolario personale"));
        QCOMPARE(w->Chfreq(0)->value(), 0);
        QCOMPARE(w->Chfreq(0)->caption(),
                 "Repertorio meo utor\r(" + native(QDir::current().absoluteFilePath("vocpers.txt")) + ")");
        QCOMPARE(next.personalVocabulary(), QString("vocpers.txt"));
    }

    // The list window's edits, each undoable, saved with every other line as it stood.
    void editAndSave_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<int>("messages");
        QByteArray b = edited;
        QTest::newRow("a word added, its class guessed")
            << "add0=novus, -a, -um" << b.replace("m.;re\r\n", "m.;re\r\n0;2;novus, -a, -um;\r\n") << 0;
        QTest::newRow("deleted, undone") << "del2|undo" << edited << 0;
        QTest::newRow("two deleted, one undone and redone")
            << "del0|del1|undo|redo"
            << QByteArray(edited).replace("0;1;rex, regis m.;re\r\n", "").replace("0;4;et;e\r\n", "") << 0;
        QTest::newRow("sorted by the Latin word, the defective line in its place")
            << "sort0"
            << QByteArray("/ caput I\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;3;amo, -as, -avi, -atum, "
                          "-are;amare\r\n"
                          "aqua acqua\r\n0;4;et;e\r\n0;1;rex, regis m.;re\r\n")
            << 0;
        QTest::newRow("sorted descending, undone") << "sort0d|undo" << edited << 0;
        QTest::newRow("a class chosen") << "cls2=3" << QByteArray(edited).replace("0;4;et", "0;3;et") << 0;
        QTest::newRow("a defective line made a word")
            << "set1=aqua, -ae f." << QByteArray(edited).replace("aqua acqua\r\n", "0;1;aqua, -ae f.;\r\n")
            << 0;
        QTest::newRow("a semicolon refused") << "set2=et; ac" << edited << 1;
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
        QCOMPARE(m->data(m->index(1, 0), Qt::ToolTipRole).toString().section(':', 0, 0),
                 QString("Record difettoso"));
        for (const QString &step : steps.split('|')) {
            const int row = step.mid(3, 1).toInt();
            const QString value = step.section('=', 1);
            if (step.startsWith("add")) {
                w.tabula->setCurrentIndex(m->index(row, 0));
                w.Adde_Click();
                m->setData(w.tabula->currentIndex(), value, Qt::EditRole);
            } else if (step.startsWith("del")) {
                w.tabula->setCurrentIndex(m->index(row, 0));
                w.Dele_Click();
            } else if (step.startsWith("sort")) {
                m->sortBy(0, step.endsWith('d') ? Qt::DescendingOrder : Qt::AscendingOrder);
            } else if (step.startsWith("cls")) {
                m->setData(m->index(row, 1), value.toInt(), Qt::EditRole);
            } else if (step.startsWith("set")) {
                m->setData(m->index(row, 0), value, Qt::EditRole);
            } else {
                QTest::keyClick(&w, step == "undo" ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
            }
        }
        QCOMPARE(fx.platform.messages.size(), messages);
        QVERIFY(w.Salva_Click());
        QCOMPARE(readAll(fx.path() + "/meum.txt"), saved);
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
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(w.quaere, i == 0 ? Qt::Key_Return : Qt::Key_F3);
            found << QString("%1:%2")
                         .arg(w.tabula->currentIndex().row())
                         .arg(w.tabula->currentIndex().column());
        }
        QCOMPARE(found, QStringList({"0:0", "0:2", "3:0", "3:2", "0:0"}));
        QTest::keyClick(w.quaere, Qt::Key_Escape);
        QVERIFY(!w.quaestio->isVisible() && w.isVisible());
    }

    // Closing with changes not saved asks first; Cancel keeps the window.
    void closeAsks_data() {
        QTest::addColumn<bool>("change");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("nothing changed") << false << 0 << true;
        QTest::newRow("changed, Cancel") << true << int(ui::Answer::Cancel) << false;
        QTest::newRow("changed, OK") << true << int(ui::Answer::Ok) << true;
    }
    void closeAsks() {
        QFETCH(bool, change);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        BoardFixture fx;
        fx.write("meum.txt", edited);
        frmRepertorium w(fx.path() + "/meum.txt");
        w.show();
        if (change) w.model()->setData(w.model()->index(0, 2), "rex", Qt::EditRole);
        fx.platform.answers.enqueue(ui::Answer(answer));
        QTest::keyClick(w.tabula, Qt::Key_Escape);
        QCOMPARE(fx.platform.messages.size(), change ? 1 : 0);
        QCOMPARE(!w.isVisible(), closes);
        QCOMPARE(readAll(fx.path() + "/meum.txt"), edited);
    }

    // An import through its preview: what the teacher changes there is what
    // the new list holds; a file that cannot be read writes nothing.
    void importThroughPreview_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("list");
        QTest::newRow("KVTML, two lessons, one taken")
            << "caput.kvtml"
            << QByteArray(
                   "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers><identifier "
                   "id=\"0\"><locale>la"
                   "</locale></identifier><identifier id=\"1\"><locale>it</locale></identifier></identifiers>"
                   "<entries><entry id=\"1\"><translation id=\"0\"><text>aqua, -ae f.</text></translation>"
                   "<translation id=\"1\"><text>acqua</text></translation></entry><entry "
                   "id=\"2\"><translation "
                   "id=\"0\"><text>sed</text></translation><translation "
                   "id=\"1\"><text>ma</text></translation>"
                   "</entry></entries><lessons><container><name>I</name><entry "
                   "id=\"1\"/></container><container>"
                   "<name>II</name><entry id=\"2\"/></container></lessons></kvtml>")
            << "lesson II off"
            << "Ordo;Classis;Verbum latinum;Italiano\r\n0;1;aqua, -ae f.;acqua\r\n";
        QTest::newRow("CSV, a class changed, a column kept under its own name")
            << "verba.csv" << QByteArray("Latin,Italiano,Nota\ncurro,corro,x\n")
            << "class 0=3, role 2=Nota mea"
            << "Ordo;Classis;Verbum latinum;Italiano;Nota mea\r\n0;3;curro;corro;x\r\n";
        QTest::newRow("the preview left with Exit") << "verba.csv" << QByteArray("a,b\n") << "exit"
                                                    << "";
        QTest::newRow("malformed: a message naming the line")
            << "mala.kvtml"
            << QByteArray("<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n<entries>\n</kvtml>") << ""
            << "Impossibile importare il file mala.kvtml, riga 4";
    }
    void importThroughPreview() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, change);
        QFETCH(QString, list);
        BoardFixture fx;
        fx.write(name, bytes);
        Lists *l = listsOf(fx.board());
        const QString target = fx.path() + "/novum.txt";
        asking().file = [&](QWidget *, const QString &, const QString &, const QString &, bool) {
            return target;
        };
        asking().exec = [&](QDialog *d) {
            auto *w = qobject_cast<frmImporta *>(d);
            if (change == "exit") return int(QDialog::Rejected);
            if (change.startsWith("lesson"))
                w->lessons->findItems("II", Qt::MatchExactly).first()->setCheckState(Qt::Unchecked);
            if (change.startsWith("class")) {
                w->setClass(0, 3);
                w->roles[2]->setCurrentText("Nota mea");
            }
            return int(QDialog::Accepted);
        };
        const QString made = l->importFile(fx.path() + '/' + name);
        if (list.startsWith("Impossibile")) {
            QVERIFY2(fx.platform.messages.value(0).text.startsWith(list),
                     qPrintable(fx.platform.messages.value(0).text));
            QVERIFY(made.isEmpty());
        }
        QCOMPARE(QString::fromUtf8(readAll(target)), list.startsWith("Impossibile") ? QString() : list);
        QCOMPARE(l->current(), list.startsWith("Ordo") ? target : QString("vocpers.txt"));
    }

    // "Exporta" writes the format its file name asks for; imported again, the same records.
    void exportFromMenu_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("CSV") << "meum.csv";
        QTest::newRow("KVTML") << "meum.kvtml";
    }
    void exportFromMenu() {
        QFETCH(QString, name);
        BoardFixture fx;
        fx.write("meum.txt", edited);
        Lists *l = listsOf(fx.board());
        l->choose(fx.path() + "/meum.txt");
        asking().file = [&](QWidget *, const QString &, const QString &, const QString &, bool) {
            return fx.path() + '/' + name;
        };
        l->Exporta_Click();
        const QByteArray bytes = readAll(fx.path() + '/' + name);
        QCOMPARE(formatOf(bytes), name.endsWith("csv") ? Format::Csv : Format::Kvtml);
        const ImportResult r = readAs(formatOf(bytes), bytes);
        QCOMPARE(WordList::fromBytes(buildList(r.table, initialChoice(r.table))).records(),
                 WordList::fromBytes(edited).records());
    }

    // "Aperi" takes any vocabulary file, but refuses one the game would stop
    // at; the recent lists are the last five chosen, newest first, and one
    // gone missing leaves them with the designed warning.
    void openAndRecent_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("recent");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("messages");
        QTest::newRow("seven lists, the last five kept")
            << QStringList{"1", "2", "3", "4", "5", "6", "7"} << "76543"
            << "7" << 0;
        QTest::newRow("one chosen again comes first") << QStringList{"1", "2", "3", "1"} << "132"
                                                      << "1" << 0;
        QTest::newRow("not a vocabulary: refused") << QStringList{"1", "junk"} << "1"
                                                   << "1" << 1;
        QTest::newRow("a recent list gone missing") << QStringList{"1", "2", "gone 1"} << "2"
                                                    << "2" << 1;
    }
    void openAndRecent() {
        QFETCH(QStringList, chosen);
        QFETCH(QString, recent);
        QFETCH(QString, current);
        QFETCH(int, messages);
        BoardFixture fx;
        for (int k = 1; k <= 7; ++k)
            fx.write(QString("l%1.txt").arg(k), twoLanguages(10));
        QByteArray junk;
        for (int i = 0; i < 40; ++i)
            junk += "\x7f"
                    "ELF junk line " +
                    QByteArray::number(i) + "\n";
        fx.write("ljunk.txt", junk);
        Lists *l = listsOf(fx.board());
        for (const QString &c : chosen) {
            if (c.startsWith("gone")) {
                QFile::remove(fx.path() + "/l" + c.section(' ', 1) + ".txt");
                l->Recens_Click(
                    static_cast<int>(l->recent().indexOf(fx.path() + "/l" + c.section(' ', 1) + ".txt")));
                continue;
            }
            asking().file = [&](QWidget *, const QString &, const QString &, const QString &, bool) {
                return fx.path() + "/l" + c + ".txt";
            };
            l->Aperi_Click();
        }
        QString names;
        for (const QString &r : l->recent())
            names += QFileInfo(r).baseName().mid(1);
        QCOMPARE(names, recent);
        QCOMPARE(QFileInfo(l->current()).baseName().mid(1), current);
        QCOMPARE(fx.board().personalVocabulary(), l->current());
        QCOMPARE(fx.platform.messages.size(), messages);
    }

    // A new list is written only when saved, where the teacher says, and is
    // played from then on.
    void newListSaved() {
        BoardFixture fx;
        Lists *l = listsOf(fx.board());
        const QString target = fx.path() + "/novum.txt";
        asking().file = [&](QWidget *, const QString &, const QString &, const QString &, bool save) {
            return save ? target : QString();
        };
        asking().exec = [&](QDialog *d) {
            auto *w = qobject_cast<frmRepertorium *>(d);
            w->Adde_Click();
            w->model()->setData(w->tabula->currentIndex(), QString::fromUtf8("amo, -as, -avi, -atum, -are"),
                                Qt::EditRole);
            w->model()->setData(w->model()->index(0, 2), QString::fromUtf8("amo è"), Qt::EditRole);
            return w->Salva_Click() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        l->Novum_Click();
        QCOMPARE(readAll(target),
                 QByteArray("Ordo;Classis;Verbum latinum;Italiano\r\n0;3;amo, -as, -avi, -atum, -are;amo "
                            "\xC3\xA8\r\n"));
        QCOMPARE(l->current(), target);
    }

    // The preview reads a CSV file again with the separator and heading row chosen.
    void previewSeparatorAndHeading() {
        BoardFixture fx;
        frmImporta w("verba.csv", "Latinum;Italiano\nrex, regis m.;re\nlaudo, -are;lodo, io\n");
        QCOMPARE(w.roles.size(), 2);
        QVERIFY(w.heading->isChecked());
        w.separator->setCurrentIndex(w.separator->findData(QChar(',')));
        QCOMPARE(w.roles.size(), 3);
        w.heading->setChecked(false);
        QCOMPARE(w.rows->rowCount(), 3);
        w.separator->setCurrentIndex(w.separator->findData(QChar(';')));
        w.heading->setChecked(true);
        QCOMPARE(QString::fromUtf8(buildList(w.result().table, w.choice())),
                 QString("Ordo;Classis;Verbum latinum;Italiano\r\n0;1;rex, regis m.;re\r\n0;3;laudo, "
                         "-are;lodo, io\r\n"));
    }

    // The list printed as a table over several pages, every page counted in the PDF.
    void listPrinted() {
        BoardFixture fx;
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, fx.path() + "/index.pdf");
        const Printed printed = printList(printer, WordList::fromBytes(twoLanguages(150)), "Caput I");
        QVERIFY(printed.pages > 1);
        QCOMPARE(printed.keyPage, 0);
        const QByteArray pdf = readAll(fx.path() + "/index.pdf");
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), printed.pages);
    }

    // A test sheet: the words of the class chosen, each with its own answer,
    // the key on the last page of the PDF.
    void testSheet_data() {
        QTest::addColumn<int>("wordClass");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("keyPages");
        QTest::newRow("all the verbs") << 3 << 0 << 15 << 1;
        QTest::newRow("ten words of any class") << 0 << 10 << 10 << 1;
        QTest::newRow("every word") << 0 << 0 << 60 << 2;
    }
    void testSheet() {
        QFETCH(int, wordClass);
        QFETCH(int, count);
        QFETCH(int, words);
        QFETCH(int, keyPages);
        BoardFixture fx;
        const WordList list = WordList::fromBytes(twoLanguages(60));
        frmImprime w(list, "Caput I");
        w.Probatio->setChecked(true);
        w.classis->setCurrentIndex(wordClass);
        w.numerus->setValue(count);
        w.lingua->setCurrentIndex(1);
        fx.platform.script({0.5f, 0.25f, 0.9f});
        const TestSheet sheet = makeTest(list, wordClass, count, 1, "Caput I");
        QCOMPARE(sheet.words.size(), words);
        QCOMPARE(QSet<QString>(sheet.words.begin(), sheet.words.end()).size(), words);
        for (qsizetype i = 0; i < sheet.words.size(); ++i) {
            const QString n = sheet.words[i].mid(3);
            QCOMPARE(sheet.answers[i], "en" + n);
            if (wordClass) QCOMPARE((n.toInt() - 1) % 4 + 1, wordClass);
        }
        QStringList fileOrder = sheet.words;
        std::sort(fileOrder.begin(), fileOrder.end(),
                  [](const QString &a, const QString &b) { return a.mid(3).toInt() < b.mid(3).toInt(); });
        if (words > 10) QVERIFY(sheet.words != fileOrder);
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, fx.path() + "/probatio.pdf");
        const Printed printed = w.printTo(printer);
        QVERIFY(printed.keyPage >= 2);
        QCOMPARE(printed.pages - printed.keyPage + 1, keyPages);
        const QByteArray pdf = readAll(fx.path() + "/probatio.pdf");
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), printed.pages);
    }
};

QTEST_MAIN(TestListsWindow)
#include "tst_lists_window.moc"
