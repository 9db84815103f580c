// The interface language: which one the user's preferred languages choose, and
// that each catalogue reaches the program's messages while the Latin stays.
#include "board/traduci.h"
#include "support/boardfixture.h"
#include "ui/form.h"
#include "ui/language.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ui::Timer::setDrivenByHand(true); }
    void cleanup() { ui::installTranslation(QLocale::c()); }

    void choiceFromPreferredLanguages_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("language");
        QTest::newRow("German desktop") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
        QTest::newRow("Canadian French, underscore, upper case") << QStringList{"FR_ca"} << "fr";
        QTest::newRow("first match wins") << QStringList{"pt-BR", "pt", "fr", "de"} << "fr";
        QTest::newRow("Italian before English") << QStringList{"it-IT", "en-US"} << "it";
        QTest::newRow("C is no language") << QStringList{"C", "es-ES"} << "es";
        QTest::newRow("none of ours") << QStringList{"ru-RU", "zh-Hans-CN"} << "it";
    }
    void choiceFromPreferredLanguages() {
        QFETCH(QStringList, preferred);
        QFETCH(QString, language);
        QCOMPARE(ui::interfaceLanguage(preferred), language);
    }

    // Each catalogue, installed as the program does, reaches the loader's
    // message and the toolkit's buttons of the exit confirmation, whose Latin
    // stays. A C locale shows the program's own texts.
    void messagesInEachLanguage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("missingFile");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "en"
                            << "File vocabula.txt missing or damaged"
                            << "Cancel";
        QTest::newRow("de") << QLocale(QLocale::German, QLocale::Austria) << "de"
                            << "Datei vocabula.txt fehlt oder ist fehlerhaft"
                            << "Abbrechen";
        QTest::newRow("fr") << QLocale(QLocale::French, QLocale::France) << "fr"
                            << QString::fromUtf8("Fichier vocabula.txt absent ou défectueux") << "Annuler";
        QTest::newRow("es") << QLocale(QLocale::Spanish, QLocale::Mexico) << "es"
                            << "Archivo vocabula.txt ausente o defectuoso"
                            << "Cancelar";
        QTest::newRow("C") << QLocale::c() << "it"
                           << "File vocabula.txt assente o difettoso"
                           << "Cancel";
    }
    void messagesInEachLanguage() {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        QFETCH(QString, missingFile);
        QFETCH(QString, cancel);
        QCOMPARE(ui::installTranslation(locale), language);

        BoardFixture fx;
        Traduci &b = fx.board();
        fx.platform.messages.clear();
        QVERIFY(QFile::remove(QStringLiteral("vocabula.txt")));
        b.aprivocaboli(QStringLiteral("vocabula.txt"));
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages[0].text, missingFile);

        fx.platform.answers.enqueue(ui::Answer::Cancel);
        b.Esci->trigger();
        QCOMPARE(fx.platform.messages.size(), 2);
        QCOMPARE(fx.platform.messages[1].text, QStringLiteral("In perpetuum, amice mi, ave atque vale."));
        QCOMPARE(fx.platform.messages[1].title, QStringLiteral("Fabula acta est"));

        // The buttons are the toolkit's own (some themes give them access keys).
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), cancel);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
