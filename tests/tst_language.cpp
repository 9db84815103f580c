// The interface language: which one the user's preferred languages choose, and
// that each catalogue reaches the program's messages while the Latin stays.
#include "board/traduci.h"
#include "support/boardfixture.h"
#include "support/datarow.h"
#include "ui/language.h"
#include "ui/platform.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

// Qt's own catalogue of `language`, from Debian's qt6-translations-l10n: where
// it is absent, the test of the toolkit's words is skipped, saying why.
bool qtCatalogue(const QString &language) {
    const QString file =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_%1.qm").arg(language);
    if (QFile::exists(file)) return true;
    std::printf("%s is absent (qt6-translations-l10n not installed): Qt's own words not checked\n",
                qPrintable(file));
    return false;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
  private slots:
    // The first preferred language that is Italian or has a catalogue, however spelt; C is none.
    void choiceFromPreferredLanguages() {
        QCOMPARE(ui::interfaceLanguage({"pt-BR", "pt", "FR_ca", "de"}), QStringLiteral("fr"));
        QCOMPARE(ui::interfaceLanguage({"it-IT", "en-US"}), QStringLiteral("it"));
        QCOMPARE(ui::interfaceLanguage({"C", "es-ES"}), QStringLiteral("es"));
        QCOMPARE(ui::interfaceLanguage({"ru-RU", "zh-Hans-CN"}), QStringLiteral("it")); // none of ours
    }

    // Each catalogue (the row's name) reaches the loader's message and the toolkit's buttons; Latin stays.
    void messagesInEachLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("missingFile");
        QTest::addColumn<QString>("cancel");
        const auto row = [](const char *tag, const char *locale, const char *missing, const char *cancel) {
            QTest::newRow(tag) << QString(locale) << QString(missing) << QString(cancel);
        };
        row("en", "en_GB", "File vocabula.txt missing or damaged", "Cancel");
        row("de", "de_AT", "Datei vocabula.txt fehlt oder ist fehlerhaft", "Abbrechen");
        row("fr", "fr_FR", "Fichier vocabula.txt absent ou défectueux", "Annuler");
        row("es", "es_MX", "Archivo vocabula.txt ausente o defectuoso", "Cancelar");
        row("it", "C", "File vocabula.txt assente o difettoso", "Annulla");
    }
    void messagesInEachLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, missingFile);
        QFETCH(QString, cancel);
        if (locale == QLatin1String("C") && !qtCatalogue(QStringLiteral("it")))
            QSKIP("Qt's Italian catalogue is absent");
        QCOMPARE(ui::installTranslation(QLocale(locale)), QString::fromLatin1(QTest::currentDataTag()));
        BoardFixture fx;
        Traduci &b = fx.board();
        QVERIFY(QFile::remove(QStringLiteral("vocabula.txt")));
        b.aprivocaboli(QStringLiteral("vocabula.txt"));
        fx.platform.answers.enqueue(ui::Answer::Cancel);
        b.Esci->trigger();
        const QList<RecordedMessage> &m = fx.platform.messages;
        QCOMPARE(m.size(), 2);
        QCOMPARE(m[0].text, missingFile);
        QCOMPARE(m[1].title + ": " + m[1].text,
                 QStringLiteral("Fabula acta est: In perpetuum, amice mi, ave atque vale."));
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), cancel); // some themes add access keys
    }

    // The program's message box as the user meets it: its title (the
    // program's when it has none), its icon, and the answer each key gives.
    void messageBoxAnswers_data() {
        QTest::addColumn<ui::Icon>("icon");
        QTest::addColumn<ui::Buttons>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<QMessageBox::Icon>("shown");
        QTest::addColumn<QString>("title");
        using ui::Answer, ui::Buttons, ui::Icon;
        row("critical, O.K.: Esc", Icon::Critical, Buttons::Ok, int(Qt::Key_Escape), Answer::Ok,
            QMessageBox::Critical, "Errore");
        row("exclamation, O.K. or cancel: Enter", Icon::Exclamation, Buttons::OkCancel, int(Qt::Key_Return),
            Answer::Ok, QMessageBox::Warning, "");
        row("O.K. or cancel: Esc", Icon::None, Buttons::OkCancel, int(Qt::Key_Escape), Answer::Cancel,
            QMessageBox::NoIcon, "");
        row("yes, no or cancel: Enter", Icon::None, Buttons::YesNoCancel, int(Qt::Key_Return), Answer::Yes,
            QMessageBox::NoIcon, "Finis");
        row("yes, no or cancel: Esc", Icon::None, Buttons::YesNoCancel, int(Qt::Key_Escape), Answer::Cancel,
            QMessageBox::NoIcon, "");
    }
    void messageBoxAnswers() {
        QFETCH(ui::Icon, icon);
        QFETCH(ui::Buttons, buttons);
        QFETCH(int, key);
        QFETCH(ui::Answer, answer);
        QFETCH(QMessageBox::Icon, shown);
        QFETCH(QString, title);
        QMessageBox::Icon seenIcon = QMessageBox::Question;
        QString seenTitle, seenText;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenIcon = box->icon();
            seenTitle = box->windowTitle();
            seenText = box->text();
            QTest::keyClick(box, Qt::Key(key));
        });
        ui::Platform real;
        QCOMPARE(real.messageBox(QStringLiteral("Testo"), title, icon, buttons), answer);
        QCOMPARE(seenIcon, shown);
        QCOMPARE(seenTitle, title.isEmpty() ? ui::programTitle : title);
        QCOMPARE(seenText, QStringLiteral("Testo"));
    }

    // Qt's own dialogs speak the interface language too: its file dialog and its
    // standard buttons, words the program's catalogues do not carry.
    void toolkitWordsInEachLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<QString>("discard");
        row("it", "C", "Salva come", "Scarta");
        row("de", "de_DE", "Speichern unter", "Verwerfen");
        row("fr", "fr_CA", "Enregistrer sous", "Ne pas tenir compte");
        row("es", "es_ES", "Guardar como", "Descartar");
    }
    void toolkitWordsInEachLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, saveAs);
        QFETCH(QString, discard);
        const QString language = QString::fromLatin1(QTest::currentDataTag());
        if (!qtCatalogue(language)) QSKIP("Qt's catalogue of the language is absent");
        QCOMPARE(ui::installTranslation(QLocale(locale)), language);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), saveAs);
        QDialogButtonBox box(QDialogButtonBox::Discard);
        QCOMPARE(box.button(QDialogButtonBox::Discard)->text().remove('&'), discard);
        ui::installTranslation(QLocale(QLocale::C));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
