// The book at the size of a large lab's: 10,000 bottles. Goals: a keystroke of the search under
// 2 ms, an import of 10,000 bottles under 2 s, and opening cheap enough not to delay the window.

#include <book/bookcsv.h>
#include <book/bookmodel.h>
#include <book/bookstore.h>
#include <book/starterbottles.h>

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace molvera;
using namespace Qt::StringLiterals;

namespace {

// Bottles as a lab names them: the starters' names, formulas and strengths with a lot number, a
// grade and a place, each with a CAS number.
QByteArray labBottles(int count)
{
    const QList<Bottle> starters = starterBottles();
    const QStringList grades{u"ACS"_s, u"technical"_s, u"for analysis"_s, u"Ph. Eur."_s};
    QRandomGenerator random(7);
    QList<Bottle> bottles;
    for (int i = 0; i < count; ++i) {
        Bottle bottle = starters[i % starters.size()];
        bottle.starterKey.clear();
        bottle.name += u", %1, lot %2"_s.arg(grades[i % grades.size()]).arg(i);
        bottle.location = u"Cabinet %1, shelf %2"_s.arg(random.bounded(40)).arg(random.bounded(6));
        // A CAS number with its check digit.
        const QString digits = QString::number(random.bounded(10000, 9999999)) +
                               QString::number(random.bounded(10, 99));
        int sum = 0;
        for (qsizetype at = digits.size() - 1, weight = 1; at >= 0; --at, ++weight)
            sum += int(weight) * digits[at].digitValue();
        bottle.cas = digits.chopped(2) + u'-' + digits.right(2) + u'-' + QString::number(sum % 10);
        bottles.append(bottle);
    }
    return writeBookCsv(bottles, CsvDialect::Rfc4180);
}

// A book of the starters and `count` bottles more, made once per run.
struct LabBook
{
    explicit LabBook(int count)
    {
        store.open(path);
        store.importCsv(labBottles(count));
        store.close();
    }
    QTemporaryDir dir;
    QString path = dir.filePath(u"book.sqlite"_s);
    BookStore store;
};

LabBook &labBook()
{
    static LabBook book(10000);
    return book;
}

// One keystroke in a search box: the model narrows and orders its rows.
void BM_SearchKeystroke(benchmark::State &state, const QString &typed)
{
    BookStore store;
    store.open(labBook().path);
    BookModel model(&store);
    for (auto _ : state) {
        model.setSearchText(typed);
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
    state.counters["bottles"] = store.count();
}
BENCHMARK_CAPTURE(BM_SearchKeystroke, s, u"s"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, sod, u"sod"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, natrium, u"natrium"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, NACL, u"NACL"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, 7647, u"7647"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, blank, u""_s)->Unit(benchmark::kMillisecond);

// The model reading the whole book again, as it does after every change.
void BM_ModelReload(benchmark::State &state)
{
    BookStore store;
    store.open(labBook().path);
    BookModel model(&store);
    for (auto _ : state)
        model.reload();
}
BENCHMARK(BM_ModelReload)->Unit(benchmark::kMillisecond);

// The store reading the whole book, which the model's reload begins with.
void BM_ReadBottles(benchmark::State &state)
{
    BookStore store;
    store.open(labBook().path);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.bottles().size());
}
BENCHMARK(BM_ReadBottles)->Unit(benchmark::kMillisecond);

// 10,000 bottles from a CSV file into a new book, in one transaction.
void BM_Import(benchmark::State &state)
{
    const QByteArray csv = labBottles(10000);
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<QTemporaryDir>();
        BookStore store;
        store.open(dir->filePath(u"book.sqlite"_s));
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.importCsv(csv).added);
        state.PauseTiming();
        store.close();
        dir.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->Iterations(5);

// Opening an existing book: its header, a check of its pages, its version. Arg: bottles.
void BM_Open(benchmark::State &state)
{
    static std::map<int, std::unique_ptr<LabBook>> books;
    auto &book = books[int(state.range(0))];
    if (!book)
        book = std::make_unique<LabBook>(int(state.range(0)));
    BookStore store;
    for (auto _ : state) {
        store.open(book->path);
        store.close();
    }
}
BENCHMARK(BM_Open)->Arg(0)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The first start: the book made with the starter bottles.
void BM_MakeNewBook(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<QTemporaryDir>();
        BookStore store;
        state.ResumeTiming();
        store.open(dir->filePath(u"book.sqlite"_s));
        state.PauseTiming();
        store.close();
        dir.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MakeNewBook)->Unit(benchmark::kMillisecond)->Iterations(20);

// The whole check of every page, for the command line. Arg: bottles.
void BM_CheckIntegrity(benchmark::State &state)
{
    LabBook book(int(state.range(0)));
    BookStore store;
    store.open(book.path);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.checkIntegrity());
}
BENCHMARK(BM_CheckIntegrity)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Qt SQL finds its drivers through the application object.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
