// The program's commands typed into a shell ($M is the program) with no display: the exit status
// and a part of the answer (members of its JSON object), or of the message after a refusal.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
};

void tst_CommandLine::answers_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("formula's weight, German decimal commas") << u"LC_ALL=de_DE.UTF-8 $M molar --molarity 0,5 --volume=1 --formula H2SO4 --stock 98,07 --sg 1,84"_s << 0 << u"Measure 27,18 mL of H2SO4"_s;
    QTest::newRow("bottle's waters are the stock's") << u"$M hydrate --formula 'CuSO4·5H2O' --percent 15 --volume 100 --waters 2"_s << 0 << u"Solution of CuSO4·2H2O, Measure 19.14 grams of CuSO4·5H2O"_s;
    QTest::newRow("formula's elements with water") << u"$M formula -- 'CuSO4·5H2O'"_s << 0 << u"Cu 1, S 1, O 9, H 10; molecular weight 249.684"_s;
    QTest::newRow("JSON numbers not in the locale's format") << u"LC_ALL=de_DE.UTF-8 $M percent --type w/w --percent 20 --amount 600 --stock 98 --formula NaCl --json"_s << 0 << uR"({"format": 1, "command": "percent", "amount": {"value": 122.45, "unit": "g"}, "solvent": {"value": 477.55, "unit": "g"}, "stock": "NaCl", "inputs": {"type": "w/w", "percent": 20, "amount": 600, "stock": 98, "stock_basis": "% w/w", "sg": 1}})"_s;
    QTest::newRow("sheet's stock in % w/v") << u"$M percent --type w/v --percent 0.9 --amount 100 --stock '20 % w/v' --pdf \"$PDF\" >/dev/null && pdftotext \"$PDF\" - | grep Stock"_s << 0 << u"Stock: 20 % w/v"_s;
    QTest::newRow("book exported and imported back, nothing twice") << u"export XDG_DATA_HOME=\"$PDF.d\"; $M book export \"$PDF.csv\" >/dev/null && $M book import \"$PDF.csv\""_s << 0 << u"0 bottles added; 35 already in the book"_s;
    QTest::newRow("a bad row keeps the whole import out") << u"printf 'name,basis,strength\\nbad,M,0\\n' >\"$PDF.csv\"; XDG_DATA_HOME=\"$PDF.d\" $M book import \"$PDF.csv\""_s << 3 << u"Line 2, column strength"_s;
    QTest::newRow("unknown command") << u"$M brew"_s << 1 << u"unknown command 'brew'"_s;
    QTest::newRow("missing option") << u"$M percent --percent 1 --amount 100"_s << 1 << u"The percent command needs --type."_s;
    QTest::newRow("unread input named by its option") << u"$M molar --molarity 1 --volume 1 --formula NaCl --sg x"_s << 2 << u"--sg: not a number"_s;
    QTest::newRow("formula refused as the page says") << u"$M hydrate --formula 'Ca(OH' --percent 1 --volume 1"_s << 2 << u"--formula: A bracket is not closed after “Ca(OH”."_s;
    QTest::newRow("negative value") << u"$M molar --molarity 1 --volume -1 --formula NaCl"_s << 2 << u"--volume: a negative number"_s;
    QTest::newRow("preparation refused") << u"$M molar --molarity 2 --volume 1 --stock 1M"_s << 3 << u"The stock is weaker than the solution wanted"_s;
    // Linux passes no argument longer than 128 KiB.
    QTest::newRow("huge value") << u"$M molar --molarity \"$(head -c 131071 /dev/zero | tr '\\0' 1)\" --volume 1 --mw 1"_s << 2 << u"--molarity: longer than 32,767 characters."_s;
    QTest::newRow("value not UTF-8") << u"$M molar --molarity 1 --volume 1 --mw 1 --name \"$(printf 'a\\377')\""_s << 2 << u"--name: not one line of UTF-8 text."_s;
    // clang-format on
}

void tst_CommandLine::answers()
{
    QFETCH(QString, commandLine);
    QFETCH(int, status);
    QFETCH(QString, expected);
    const QTemporaryDir scratch;
    QProcess shell;
    shell.start(u"/bin/sh"_s, {u"-c"_s, u"unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; export "
                                        "LANGUAGE=en LC_ALL=C.UTF-8 M='" MOLVERA_PROGRAM
                                        "' PDF='%1/s.pdf'; "_s.arg(scratch.path()) +
                                            commandLine});
    QVERIFY(shell.waitForFinished(60000));
    const QString out = QString::fromUtf8(shell.readAllStandardOutput());
    const QString err = QString::fromUtf8(shell.readAllStandardError());
    QCOMPARE(shell.exitCode(), status);
    // The answer alone on standard output, in one line; a message alone on standard error.
    QVERIFY2(status ? out.isEmpty() && err.contains(expected)
                    : err.isEmpty() && out.count(u'\n') == 1,
             qPrintable(out + err));
    const QJsonObject members = QJsonDocument::fromJson(expected.toUtf8()).object();
    QVERIFY2(status || !members.isEmpty() || out.contains(expected), qPrintable(out));
    const QJsonObject answer = QJsonDocument::fromJson(out.toUtf8()).object();
    for (const QString &member : members.keys())
        QCOMPARE(answer.value(member), members.value(member));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
