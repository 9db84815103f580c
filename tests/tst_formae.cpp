// The lexicon of forms: paradigms against tables written from a Latin school
// grammar (not from the lexicon), the readings of ambiguous forms, the words
// of the boxes, and a missing or damaged lexicon file.

#include "formae/lexicon.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace formae;

namespace {

// The cells a table names, in the dump's abbreviations.
const QStringList nounCells = {"nom sg", "gen sg", "dat sg", "acc sg", "abl sg", "voc sg",
                               "nom pl", "gen pl", "dat pl", "acc pl", "abl pl", "voc pl"};
const QStringList verbCells = {"1 sg pres ind act",  "2 sg pres ind act",  "3 sg pres ind act",
                               "1 pl pres ind act",  "2 pl pres ind act",  "3 pl pres ind act",
                               "1 sg impf ind act",  "1 sg fut ind act",   "2 sg fut ind act",
                               "3 pl fut ind act",   "1 sg perf ind act",  "2 sg perf ind act",
                               "3 pl perf ind act",  "1 sg plup ind act",  "1 sg pres subj act",
                               "2 sg pres subj act", "1 sg impf subj act", "2 sg pres imp act",
                               "2 pl pres imp act",  "pres inf act",       "perf inf act"};
const QStringList passiveCells = {"1 sg pres ind pass", "2 sg pres ind pass", "3 sg pres ind pass",
                                  "1 pl pres ind pass", "2 pl pres ind pass", "3 pl pres ind pass",
                                  "pres inf pass"};
const QStringList deponentCells = {"1 sg pres ind pass",  "2 sg pres ind pass",  "3 sg pres ind pass",
                                   "1 pl pres ind pass",  "2 pl pres ind pass",  "3 pl pres ind pass",
                                   "1 sg impf ind pass",  "1 sg fut ind pass",   "2 sg fut ind pass",
                                   "1 sg pres subj pass", "1 sg impf subj pass", "2 sg pres imp pass",
                                   "2 pl pres imp pass",  "pres inf pass"};

QString withoutMarks(const QString &s) {
    return plainSpelling(s);
}

// Every form of the paradigm that has the cell's reading, "/" between them
// in alphabetical order; "-" for none.
QString cell(const Paradigm &p, bool lengths, const QString &name) {
    QStringList found;
    for (const Form &f : p.forms(lengths))
        for (const Reading &r : f.readings)
            if (abbreviate(r) == name && !found.contains(f.text)) found.append(f.text);
    found.sort();
    return found.isEmpty() ? QStringLiteral("-") : found.join(u'/');
}

QString sorted(const QString &alternatives) {
    QStringList a = alternatives.split(u'/');
    a.sort();
    return a.join(u'/');
}

} // namespace

class TestFormae : public QObject {
    Q_OBJECT
    std::shared_ptr<const Lexicon> lexicon;

  private slots:
    void initTestCase() {
        QString error;
        lexicon = Lexicon::load(Lexicon::defaultPath(QStringLiteral(ASSETS_DIR)), &error);
        QVERIFY2(lexicon, qPrintable(error));
    }

    void paradigmAgainstGrammar_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("table"); // with lengths, cells split by " ", "*" not checked
        QTest::addColumn<bool>("lengths");
        struct Row {
            const char *tag, *latin, *category;
            const QStringList &cells;
            const char *table;
        };
        const Row rows[] = {
            {"rosa (1st)", "rosa, -ae f.", "1", nounCells,
             "rosa rosae rosae rosam rosā rosa rosae rosārum rosīs rosās rosīs rosae"},
            {"amicus (2nd)", "amicus, -i m.", "1", nounCells,
             "amīcus amīcī amīcō amīcum amīcō amīce amīcī amīcōrum amīcīs amīcōs amīcīs amīcī"},
            {"templum (2nd neuter)", "templum, -i n.", "1", nounCells,
             "templum templī templō templum templō templum templa templōrum templīs templa templīs templa"},
            {"miles (3rd)", "miles, -itis m.", "1", nounCells,
             "mīles mīlitis mīlitī mīlitem mīlite mīles mīlitēs mīlitum mīlitibus mīlitēs mīlitibus mīlitēs"},
            {"civis (3rd i-stem)", "civis, -is m. (f.)", "1", nounCells,
             "cīvis cīvis cīvī cīvem cīve cīvis cīvēs cīvium cīvibus cīvēs/cīvīs cīvibus cīvēs"},
            {"mare (3rd neuter i-stem)", "mare, -is n.", "1", nounCells,
             "mare maris marī mare marī mare maria marium maribus maria maribus maria"},
            {"manus (4th)", "manus, -us f.", "1", nounCells,
             "manus manūs manuī manum manū manus manūs manuum manibus manūs manibus manūs"},
            {"res (5th)", "res, rei f.", "1", nounCells,
             "rēs reī reī rem rē rēs rēs rērum rēbus rēs rēbus rēs"},
            {"domus", "domus, -us f.", "1", nounCells,
             "domus domūs domuī domum domō domus domūs domōrum domibus domōs domibus domūs"},
            {"vis", "vis, vis f. (pl. vires)", "1", nounCells,
             "vīs - vī vim vī vīs vīrēs vīrium vīribus vīrēs/vīrīs vīribus vīrēs"},
            {"Iuppiter", "Iuppiter, Iovis m.", "1", nounCells,
             "Iuppiter Iovis Iovī Iovem Iove Iuppiter - - - - - -"},
            {"amo (1st)", "amo, -as, amavi, amatum, -are", "3", verbCells,
             "amō amās amat amāmus amātis amant amābam amābō amābis amābunt amāvī amāvistī amāvērunt/amāvēre "
             "amāveram amem amēs amārem amā amāte amāre amāsse/amāvisse"},
            {"amo (passive)", "amo, -as, amavi, amatum, -are", "3", passiveCells,
             "amor amāre/amāris amātur amāmur amāminī amantur amārī"},
            {"moneo (2nd)", "moneo, -es, monui, monitum, -ere", "3", verbCells,
             "moneō monēs monet monēmus monētis monent monēbam monēbō monēbis monēbunt monuī monuistī "
             "monuēre/monuērunt monueram moneam moneās monērem monē monēte monēre monuisse"},
            {"moneo (passive)", "moneo, -es, monui, monitum, -ere", "3", passiveCells,
             "moneor monēre/monēris monētur monēmur monēminī monentur monērī"},
            {"mitto (3rd)", "mitto, -is, misi, missum, -ere", "3", verbCells,
             "mittō mittis mittit mittimus mittitis mittunt mittēbam mittam mittēs mittent mīsī mīsistī "
             "mīsēre/mīsērunt mīseram mittam mittās mitterem mitte mittite mittere mīsisse"},
            {"mitto (passive)", "mitto, -is, misi, missum, -ere", "3", passiveCells,
             "mittor mittere/mitteris mittitur mittimur mittiminī mittuntur mittī"},
            {"capio (3rd in -io)", "capio, -is, cepi, captum, -ere", "3", verbCells,
             "capiō capis capit capimus capitis capiunt capiēbam capiam capiēs capient cēpī cēpistī "
             "cēpēre/cēpērunt cēperam capiam capiās caperem cape capite capere cēpisse"},
            {"capio (passive)", "capio, -is, cepi, captum, -ere", "3", passiveCells,
             "capior capere/caperis capitur capimur capiminī capiuntur capī"},
            {"audio (4th)", "audio, -is, audivi, auditum, -ire", "3", verbCells,
             "audiō audīs audit audīmus audītis audiunt audiēbam audiam audiēs audient audiī/audīvī * "
             "audiēre/audiērunt/audīvēre/audīvērunt audieram/audīveram audiam audiās audīrem audī audīte "
             "audīre "
             "audiisse/audīvisse"},
            {"audio (passive)", "audio, -is, audivi, auditum, -ire", "3", passiveCells,
             "audior audīre/audīris audītur audīmur audīminī audiuntur audīrī"},
            {"hortor (deponent)", "hortor, -aris, hortatus sum, -ari", "3", deponentCells,
             "hortor hortāris hortātur hortāmur hortāminī hortantur hortābar hortābor hortābere/hortāberis "
             "horter hortārer hortāre hortāminī hortārī"},
            {"sum", "sum, es, fui, esse", "3", verbCells,
             "sum es est sumus estis sunt eram erō eris erunt fuī fuistī fuēre/fuērunt fueram sim sīs "
             "essem/forem "
             "es este esse fuisse"},
            {"possum", "possum, potes, potui, posse", "3", verbCells,
             "possum potes potest possumus potestis possunt poteram poterō poteris poterunt potuī potuistī "
             "potuēre/potuērunt potueram possim possīs possem - - posse potuisse"},
            {"fero", "fero, fers, tuli, latum, ferre", "3", verbCells,
             "ferō fers fert ferimus fertis ferunt ferēbam feram ferēs ferent tulī tulistī tulēre/tulērunt "
             "tuleram feram ferās ferrem fer ferte ferre tulisse"},
            {"fero (passive)", "fero, fers, tuli, latum, ferre", "3", passiveCells,
             "feror ferre/ferris fertur ferimur feriminī feruntur ferrī"},
            {"eo", "eo, is, ii, itum, ire", "3", verbCells,
             "eō īs it īmus ītis eunt ībam ībō ībis ībunt iī/īvī * iēre/iērunt/īvēre/īvērunt ieram/īveram "
             "eam eās "
             "īrem ī īte īre iisse/īvisse"},
            {"volo", "volo, vis, volui, velle", "3", verbCells,
             "volō vīs volt/vult volumus voltis/vultis volunt volēbam volam volēs volent voluī voluistī "
             "voluēre/voluērunt volueram velim velīs vellem - - velle voluisse"},
            {"nolo", "nolo, non vis, nolui, nolle", "3", verbCells,
             "nōlō - - nōlumus - nōlunt nōlēbam nōlam nōlēs nōlent nōluī nōluistī nōluēre/nōluērunt nōlueram "
             "nōlim nōlīs nōllem nōlī nōlīte nōlle nōluisse"},
            {"malo", "malo, mavis, malui, malle", "3", verbCells,
             "mālō māvīs māvult mālumus māvultis mālunt mālēbam mālam mālēs mālent māluī māluistī "
             "māluēre/māluērunt mālueram mālim mālīs māllem - - mālle māluisse"},
            {"memini (perfect only)", "memini, meminisse", "3", verbCells,
             "- - - - - - - - - - meminī meministī meminēre/meminērunt memineram - - - - - - meminisse"},
            {"fio", "fio, fis, factus sum, fieri", "3", verbCells,
             "fīō fīs fit fīmus fītis fīunt fīēbam fīam fīēs fīent - - - - fīam fīās fierem fī fīte fierī -"},
        };
        for (const Row &r : rows)
            for (bool lengths : {true, false})
                QTest::addRow("%s %s", r.tag, lengths ? "with lengths" : "plain")
                    << QString::fromUtf8(r.latin) << QString::fromLatin1(r.category) << r.cells
                    << QString::fromUtf8(r.table) << lengths;
    }
    void paradigmAgainstGrammar() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(QStringList, cells);
        QFETCH(QString, table);
        QFETCH(bool, lengths);
        const auto p = lexicon->paradigm(latin, category);
        QVERIFY2(p, qPrintable(latin));
        const QStringList expected = table.split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(expected.size(), cells.size());
        QStringList wrong;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (expected.at(i) == u'*') continue;
            const QString want = sorted(lengths ? expected.at(i) : withoutMarks(expected.at(i)));
            const QString got = cell(*p, lengths, cells.at(i));
            if (got != want) wrong.append(QStringLiteral("%1: %2 (expected %3)").arg(cells.at(i), got, want));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    // Every reading of a form within its word, and only within its word.
    void readingsOfAForm_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("lengths");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("readings");
        QTest::newRow("rosae") << "rosa, -ae f."
                               << "1" << false << "rosae"
                               << "gen sg; dat sg; nom pl; voc pl";
        QTest::newRow("rosa plain") << "rosa, -ae f."
                                    << "1" << false << "rosa"
                                    << "nom sg; abl sg; voc sg";
        QTest::newRow("rosa with lengths") << "rosa, -ae f."
                                           << "1" << true << "rosa"
                                           << "nom sg; voc sg";
        QTest::newRow("rosā") << "rosa, -ae f."
                              << "1" << true << "rosā"
                              << "abl sg";
        QTest::newRow("amamini") << "amo, -as, amavi, amatum, -are"
                                 << "3" << false << "amamini"
                                 << "2 pl pres ind pass; 2 pl pres imp pass";
        QTest::newRow("regis of rex") << "rex, regis m."
                                      << "1" << false << "regis"
                                      << "gen sg";
        QTest::newRow("regis of rego") << "rego, -is, rexi, rectum, -ere"
                                       << "3" << false << "regis"
                                       << "2 sg pres ind act";
        QTest::newRow("templa") << "templum, -i n."
                                << "1" << false << "templa"
                                << "nom pl; acc pl; voc pl";
        QTest::newRow("magnae") << "magnus, -a, -um"
                                << "2" << false << "magnae"
                                << "gen sg f; dat sg f; nom pl f; voc pl f";
        QTest::newRow("magnorum") << "magnus, -a, -um"
                                  << "2" << false << "magnorum"
                                  << "gen pl m; gen pl n";
        QTest::newRow("magnis") << "magnus, -a, -um"
                                << "2" << false << "magnis"
                                << "dat pl; abl pl";
        QTest::newRow("sibi") << "sui, sibi, se"
                              << "2" << false << "sibi"
                              << "dat sg; dat pl";
        QTest::newRow("amīcōrum") << "amicus, -i m."
                                  << "1" << true << "amīcōrum"
                                  << "gen pl";
    }
    void readingsOfAForm() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(bool, lengths);
        QFETCH(QString, form);
        QFETCH(QString, readings);
        const auto p = lexicon->paradigm(latin, category);
        QVERIFY(p);
        const Form *found = nullptr;
        for (const Form &f : p->forms(lengths))
            if (f.text == form) found = &f;
        QVERIFY2(found, qPrintable(form));
        QCOMPARE(abbreviate(found->readings), readings);
    }

    // The voice always gets the lengths, even of a plain form: the spelling
    // of its first reading.
    void spokenWithLengths_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("amicorum") << "amicus, -i m."
                                  << "1"
                                  << "amicorum"
                                  << "amīcōrum";
        QTest::newRow("rosa: nom before abl") << "rosa, -ae f."
                                              << "1"
                                              << "rosa"
                                              << "rosa";
        QTest::newRow("amabunt") << "amo, -as, amavi, amatum, -are"
                                 << "3"
                                 << "amabunt"
                                 << "amābunt";
    }
    void spokenWithLengths() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(QString, form);
        QFETCH(QString, spoken);
        const auto p = lexicon->paradigm(latin, category);
        QVERIFY(p);
        for (const Form &f : p->plain)
            if (f.text == form) {
                QCOMPARE(f.spoken, spoken);
                return;
            }
        QFAIL("form not found");
    }

    void boxText_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("rosae it") << "rosa, -ae f."
                                  << "1"
                                  << "rosae" << int(Language::Italian) << "gen./dat. sing. / nom./voc. plur.";
        QTest::newRow("boni it") << "bonus, -a, -um"
                                 << "2"
                                 << "boni" << int(Language::Italian)
                                 << "gen. sing. m./n. / nom./voc. plur. m.";
        QTest::newRow("bonis es") << "bonus, -a, -um"
                                  << "2"
                                  << "bonis" << int(Language::Spanish) << "dat./abl. pl.";
        QTest::newRow("amamini de") << "amo, -as, amavi, amatum, -are"
                                    << "3"
                                    << "amamini" << int(Language::German) << "2. Pl. Präs. Ind./Imp. Pass.";
        QTest::newRow("amaverint it")
            << "amo, -as, amavi, amatum, -are"
            << "3"
            << "amaverint" << int(Language::Italian) << "3ª plur. fut. ant. ind./perf. cong. att.";
        QTest::newRow("amavisse fr") << "amo, -as, amavi, amatum, -are"
                                     << "3"
                                     << "amavisse" << int(Language::French) << "parf. inf. act.";
    }
    void boxText() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(QString, form);
        QFETCH(int, language);
        QFETCH(QString, text);
        const auto p = lexicon->paradigm(latin, category);
        QVERIFY(p);
        for (const Form &f : p->plain)
            if (f.text == form) {
                QCOMPARE(describe(f.readings, Language(language)), text);
                return;
            }
        QFAIL("form not found");
    }

    void listWord_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("withLengths"); // empty: no forms
        QTest::newRow("noun") << "amicus, -i m."
                              << "1"
                              << "amīcus, -ī m.";
        QTest::newRow("verb") << "video, -es, vidi, visum, -ere"
                              << "3"
                              << "videō, -ēs, vīdī, visum, -ēre";
        QTest::newRow("affero for adfero") << "affero, affers, attuli, allatum, afferre"
                                           << "3"
                                           << "afferō, affers, attulī, allatum, afferre";
        QTest::newRow("long before ns") << "consul, -is m."
                                        << "1"
                                        << "cōnsul, -is m.";
        QTest::newRow("indeclinable") << "et"
                                      << "4"
                                      << "";
        QTest::newRow("unknown") << "blituri, -orum n."
                                 << "1"
                                 << "";
    }
    void listWord() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(QString, withLengths);
        const auto p = lexicon->paradigm(latin, category);
        QCOMPARE(bool(p), !withLengths.isEmpty());
        if (p) QCOMPARE(p->headwordWithLengths, withLengths);
    }

    void badLexiconFile_data() {
        QTest::addColumn<QByteArray>("content"); // "<none>": no file
        QTest::newRow("missing") << QByteArray("<none>");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("another file") << QByteArray("Ordo;Classis;Verbum latinum;Italiano\n1;1;rosa;rosa\n");
        QTest::newRow("cut short") << QByteArray("LESSICORSA-LEXICON 1\nM|uita|n|||1=1,|1:1:a 2:1");
        QTest::newRow("unknown model") << QByteArray("LESSICORSA-LEXICON 1\nL|rosa|uita|||0|63||\n");
        QTest::newRow("not UTF-8") << QByteArray("LESSICORSA-LEXICON 1\nM|uita|n|||1=1,|1:1:\xe2\n");
    }
    void badLexiconFile() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lexicon.txt"));
        if (content != "<none>") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QString error;
        QVERIFY(!Lexicon::load(path, &error));
        QVERIFY2(error.contains(QStringLiteral("lessico delle forme")) && error.contains(path),
                 qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestFormae)
#include "tst_formae.moc"
