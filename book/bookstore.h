#pragma once

#include "bookcsv.h"
#include "bookstatus.h"
#include "bottle.h"
#include "bottlecheck.h"

#include <QObject>

#include <functional>
#include <optional>
#include <variant>

namespace molvera {

struct SqlDialect;

// Why the book did not take a change, with a sentence for the user.
struct StoreRefusal
{
    enum class Reason {
        NotOpen,  // no book is open
        ReadOnly, // the book can only be read
        Invalid,  // the bottle cannot be saved: see problems
        Conflict, // someone changed or removed the bottle since it was read
        Gone,     // the bottle is not in the book
        Failed,   // the engine failed (a full disk, a lock held too long ...)
    };
    Reason reason = Reason::Failed;
    QString message;
    BottleProblems problems;
};

template<typename T> using StoreResult = std::variant<StoreRefusal, T>;

// What an import did. Nothing is added while a row is bad.
struct ImportReport
{
    CsvDialect dialect = CsvDialect::Rfc4180;
    int added = 0;
    QList<ImportProblem> problems;       // the bad rows
    QList<ImportProblem> skipped;        // rows whose name and formula the book has already
    std::optional<StoreRefusal> refusal; // the book took nothing
};

// The lab's reagent book: its bottles in one SQLite file, reached through Qt SQL. Every change is
// one transaction, so a book killed at any moment holds what it held before or after it. A file
// that is not a book, is damaged or is from a newer molvera is never written, moved or removed.
// Each store has its own named connection and belongs to the thread that opens it.
class BookStore : public QObject
{
    Q_OBJECT

public:
    explicit BookStore(QObject *parent = nullptr);
    ~BookStore() override;

    // book.sqlite in the user's data folder (XDG_DATA_HOME/molvera); the application's name must
    // be set first.
    static QString defaultPath();

    // Opens the book at path, making it with the starter bottles when there is none, and bringing
    // an older one up to date. A file or folder that cannot be written opens read-only. Opening
    // an existing book reads its header and checks its pages: under a millisecond for the starter
    // bottles, about 25 ms for 10,000 bottles; making a new book about 50 ms, most of it waiting
    // for the disk.
    const BookStatus &open(const QString &path);
    void close();
    const BookStatus &status() const;

    QList<Bottle> bottles() const; // in the order they were added
    std::optional<Bottle> bottle(qint64 id) const;
    int count() const;
    // The engine's whole check of the book: "ok", or the first fault it finds. It reads every
    // page: about 30 ms for 10,000 bottles.
    QString checkIntegrity() const;

    // Each returns the bottle as the book now holds (or held) it. update() and remove() take the
    // bottle as it was read: a row version the book has moved past is a conflict.
    StoreResult<Bottle> add(const Bottle &bottle);
    StoreResult<Bottle> update(const Bottle &bottle);
    StoreResult<Bottle> remove(const Bottle &bottle);
    // Adds back the starter bottles the book no longer has, by their starter key, and changes no
    // other bottle; returns how many it added.
    StoreResult<int> restoreStarterBottles();
    // Imports a CSV file of either dialect in one transaction; progress is told the rows added so
    // far now and then.
    ImportReport importCsv(const QByteArray &csv, const std::function<void(int)> &progress = {});

Q_SIGNALS:
    // After any change, and when a book is opened or closed.
    void bottlesChanged();

private:
    class Transaction;

    bool openConnection(const QString &connection, const QString &file, bool readOnly,
                        QString *error);
    bool createBook(QString *error);
    bool makeBook(const QString &connection, QString *error);
    bool migrate(const QString &connection, QString *error);
    bool openStarterCopy();
    const BookStatus &leaveAlone(BookState state, const QString &message);
    QString notABookText() const;
    QString newerText() const;
    QString cannotOpenText(const QString &reason) const;
    std::optional<StoreRefusal> writeRefusal() const;
    StoreRefusal failure(const QString &error) const;
    std::optional<Bottle> fetch(qint64 id) const;

    const SqlDialect &m_dialect;
    QString m_connection;
    BookStatus m_status;
};

} // namespace molvera
