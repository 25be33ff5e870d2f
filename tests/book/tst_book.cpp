#include <book/bookmodel.h>
#include <book/bookstore.h>
#include <book/starterbottles.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace molvera;
using namespace Qt::StringLiterals;

// The engines a book can live in, each running the whole table (the File step is SQLite's).
enum class Engine { Sqlite };
// Import a CSV row; edit a bottle from a stale reading; remove two starters, rename one, restore;
// search; export and import again; overwrite or lock the book's file and open it again.
enum class Step { Import, Edit, Restore, Search, RoundTrip, File };

struct Book
{
    explicit Book(Engine) { store.open(path); }
    QTemporaryDir dir;
    QString path = dir.filePath(u"book.sqlite"_s);
    BookStore store;
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template<typename T> QTextStream &operator<<(QTextStream &out, const StoreResult<T> &result)
{
    const auto *refusal = std::get_if<StoreRefusal>(&result);
    return refusal ? out << " refused " << int(refusal->reason) : out << " saved";
}

// "Sodium chloride" as a German desktop shows it.
struct German : QTranslator
{
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *text, const char *, int) const override
    {
        return text == "Sodium chloride"_ba ? u"Natriumchlorid"_s : QString();
    }
};

class tst_Book : public QObject
{
    Q_OBJECT
    German m_german;

private Q_SLOTS:
    void initTestCase() { QCoreApplication::installTranslator(&m_german); }

    void cases_data()
    {
        QTest::addColumn<Engine>("engine");
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("seen");
        using enum Step;
        for (const Engine engine : {Engine::Sqlite}) {
            const auto row = [&](const char *name, Step step, const QString &text,
                                 const QString &seen) {
                QTest::addRow("%s", name) << engine << step << text << seen;
            };
            row("empty name", Import, u" ,,M,1"_s, u"name 35"_s);
            row("zero strength", Import, u"x,,M,0"_s, u"strength 35"_s);
            row("w/w over 100 %", Import, u"x,,% w/w,101,1.2"_s, u"strength 35"_s);
            row("w/v over 100 % can be made", Import, u"x,,% w/v,120"_s, u"37"_s);
            row("w/w without gravity", Import, u"x,,% w/w,37"_s, u"specific_gravity 35"_s);
            row("gravity of 3", Import, u"x,,g/L,5,3"_s, u"specific_gravity 35"_s);
            row("unread formula", Import, u"x,Ca(OH,purity %,99"_s, u"formula 35"_s);
            row("unread formula, weight typed", Import, u"x,Ca(OH,M,9,,158"_s, u"37"_s);
            row("CAS check digit", Import, u"x,,M,1,,,7647-14-6"_s, u"cas 35"_s);
            row("name and formula there", Import, u"SODIUM CHLORIDE,NaCl,M,1"_s, u"36"_s);
            row("stale edit", Edit, {}, u" saved refused 3 refused 3 refused 2 first"_s);
            row("restore adds back only removed", Restore, {}, u"33 2 mine 35"_s);
            row("name as shown", Search, u"natr"_s, u"Natriumchlorid|"_s);
            row("name start, then word start", Search, u"sulf"_s,
                u"Sulfuric acid 96 %|Copper(II) sulfate pentahydrate|Magnesium sulfate heptahydrate|"_s);
            row("formula start, then anywhere", Search, u"NA2"_s,
                u"Disodium hydrogen phosphate dihydrate|Sodium carbonate, anhydrous|EDTA disodium dihydrate|"_s);
            row("accents and case", Search, u"ACIDE ETHANO"_s, u"Acide éthanoïque|"_s);
            row("CAS digits", Search, u"7647"_s, u"Salt|"_s);
            // Defused, a byte order mark, the same bottle back, the bad row named.
            const QString back = u" 1 Line 4, column strength: The strength must be more than 0."_s;
            row("round trip, RFC 4180", RoundTrip, u"bad,,M,0\r\n"_s, u"10"_s + back);
            row("round trip, decimal comma", RoundTrip, u"bad;;M;0\r\n"_s, u"11"_s + back);
            // The file's schema version, its application id, a page's header, all of it.
            row("newer book", File, u"60:00000063"_s, u"1 5 99 0 1 refused 0"_s);
            row("damaged book", File, u"4096:ffffffffffffffff"_s, u"1 4 1 0 1 refused 0"_s);
            row("another program's", File, u"68:00000000"_s, u"1 3 0 0 1 refused 0"_s);
            row("text file", File, u"0:6e616d652c0d0a"_s, u"1 3 0 0 1 refused 0"_s);
            row("empty file", File, u"0:"_s, u"1 3 0 0 1 refused 0"_s);
            row("read-only folder", File, u"read-only"_s, u"1 2 1 35 1 refused 1"_s);
            row("read-only folder, no book", File, u"read-only, no book"_s,
                u"1 2 0 35 1 refused 1"_s);
        }
    }
    void cases()
    {
        QFETCH(Engine, engine);
        QFETCH(Step, step);
        QFETCH(QString, text);
        Book book(engine);
        BookStore &store = book.store;
        QList<Bottle> all = store.bottles();
        Bottle mine = all[0], wrong = all[0];
        QString seen;
        QTextStream out(&seen);
        const QByteArray header =
            "name,formula,basis,strength,specific_gravity,molecular_weight,cas\n";
        switch (step) {
        case Step::Import: { // after a good row, which a bad one keeps out too
            for (const ImportProblem &problem :
                 store.importCsv(header + "good,,M,1\n" + text.toUtf8()).problems)
                out << problem.column << ' ';
            out << store.count();
            break;
        }
        case Step::Edit:
            mine.note = u"first"_s, wrong.rowVersion = 2, wrong.strength = -1;
            out << store.update(mine) << store.update(all[0]) << store.remove(all[0])
                << store.update(wrong) << ' ' << store.bottle(mine.id)->note;
            break;
        case Step::Restore:
            all[2].name = u"mine"_s;
            store.remove(all[0]), store.remove(all[1]), store.update(all[2]);
            out << store.count() << ' ' << std::get<int>(store.restoreStarterBottles()) << ' '
                << store.bottles().first().name << ' ' << store.count();
            break;
        case Step::Search: {
            store.importCsv(header + "Acide éthanoïque,,M,1\nSalt,,M,1,,,7647-14-5\n");
            BookModel model(&store);
            model.setSearchText(text);
            for (int row = 0; row < model.rowCount(); ++row)
                out << model.index(row, BookModel::Name).data().toString() << '|';
            break;
        }
        case Step::RoundTrip: {
            // A cell a spreadsheet would run, one with both separators, a quote and a line break.
            mine.name = u"=HYPERLINK(\"x\")"_s, mine.note = u"-2 °C; \"cold\",\nshelf"_s;
            mine.location = u"'top"_s, mine.strength = 37.5, mine.gravityCelsius = -4.5;
            mine.id = mine.rowVersion = 0, mine.starterKey.clear(); // what a file does not carry
            const QByteArray csv = writeBookCsv(
                {mine}, text.contains(u';') ? CsvDialect::DecimalComma : CsvDialect::Rfc4180);
            const CsvReading read = readBookCsv(csv + text.toUtf8());
            out << csv.contains("'=HYPERLINK") << csv.startsWith("\xEF\xBB\xBF") << ' '
                << (read.bottles.value(0).bottle == mine) << ' '
                << read.problems.value(0).sentence();
            break;
        }
        case Step::File: {
            store.close();
            QFile file(book.path);
            if (text.contains(u':')) { // offset:bytes in hex, written over the book
                const qint64 at = text.section(u':', 0, 0).toLongLong();
                QVERIFY(file.open(QIODevice::ReadWrite) && (at > 0 || file.resize(0)) &&
                        file.seek(at));
                file.write(QByteArray::fromHex(text.section(u':', 1).toLatin1())), file.close();
            }
            if (text.startsWith(u"read-only"_s)) {
                QVERIFY(text == u"read-only"_s || file.remove());
                QFile::setPermissions(book.dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            }
            const QByteArray before = bytesOf(book.path);
            const BookStatus &status = store.open(book.path);
            out << status.message.contains(book.path) << ' ' << int(status.state) << ' '
                << status.foundVersion << ' ' << store.count() << ' '
                << (bytesOf(book.path) == before) << store.add(all[0]);
            QFile::setPermissions(book.dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            break;
        }
        }
        out.flush();
        QTEST(seen, "seen");
    }

    // The shipped starter file: the lab's list, each name marked for translation, and where a
    // note gives the molarity, the strength and specific gravity work out at it.
    void starterFile()
    {
        QStringList names, marked;
        for (const Bottle &starter : starterBottles()) {
            names << starter.name;
            const auto given = QRegularExpression(u"^(\\d+\\.\\d) M"_s).match(starter.note);
            const std::optional<double> implied = impliedMolarity(starter);
            QVERIFY2(!given.hasMatch() || !implied ||
                         qRound(*implied * 10) == qRound(given.captured(1).toDouble() * 10),
                     qPrintable(starter.name));
        }
        for (const char *name : markedStarterNames())
            marked << QString::fromUtf8(name);
        QCOMPARE(names, marked);
        QFile source(QStringLiteral(MOLVERA_STARTER_SOURCE));
        if (!source.open(QIODevice::ReadOnly))
            QSKIP("The lab's list is not beside the tree: " MOLVERA_STARTER_SOURCE);
        QCOMPARE(bytesOf(molvera::starterFile()), source.readAll());
    }

    // Two imports at once: one waits for the other. Then imports killed at a random line of their
    // progress: each leaves the book as it was before or after.
    void writersAndKills()
    {
        Book book(Engine::Sqlite);
        const auto importer = [&](const QString &name) {
            auto *child = new QProcess(this);
            child->start(QCoreApplication::applicationFilePath(), {u"--import"_s, book.path});
            QByteArray csv = "name,basis,strength\n";
            // Each import's names its own: without the '-', import 1's row 50 would be import 15's
            // row 0, and skipped as a bottle the book has.
            for (int i = 0; i < 10000; ++i)
                csv += name.toUtf8() + '-' + QByteArray::number(i) + ",M,1\n";
            for (child->write(csv); child->bytesToWrite() > 0 && child->waitForBytesWritten();) {
            }
            return child;
        };
        // Both have read their whole file before either imports it.
        QProcess *first = importer(u"first"_s), *second = importer(u"second"_s);
        first->closeWriteChannel(), second->closeWriteChannel();
        QVERIFY(first->waitForFinished() && second->waitForFinished());
        QCOMPARE(first->exitCode() + second->exitCode(), 0);
        QCOMPARE(book.store.count(), 35 + 20000);
        for (int kill = 0; kill < 20; ++kill) {
            const int before = book.store.count();
            QProcess *child = importer(QString::number(kill));
            child->closeWriteChannel();
            const int lines = QRandomGenerator::global()->bounded(103);
            for (int seen = 0; seen <= lines && child->waitForReadyRead(60000);)
                seen += int(child->readAll().count('\n'));
            child->kill();
            child->waitForFinished();
            book.store.open(book.path);
            QVERIFY(child->exitStatus() == QProcess::CrashExit || child->exitCode() == 0);
            QVERIFY2((QList{before, before + 10000}.contains(book.store.count())),
                     qPrintable(QString::number(lines)));
            QCOMPARE(book.store.checkIntegrity(), u"ok"_s);
        }
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == u"--import"_s) { // writersAndKills's child, importing stdin
        BookStore store;
        QFile in;
        if (!store.open(app.arguments().value(2)).canWrite() ||
            !in.open(stdin, QIODevice::ReadOnly))
            return 2;
        QTextStream out(stdout);
        out << "started" << Qt::endl;
        const auto progress = [&](int added) { out << added << Qt::endl; };
        return store.importCsv(in.readAll(), progress).added == 10000 ? 0 : 1;
    }
    tst_Book test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_book.moc"
