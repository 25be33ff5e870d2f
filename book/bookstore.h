#pragma once

#include "bookcsv.h"
#include "bookstatus.h"
#include "bottle.h"
#include "bottlecheck.h"

#include <QObject>

#include <functional>
#include <optional>
#include <variant>

class QSqlError;
class QSqlQuery;

namespace molvera {

class LabAddress;
struct SqlDialect;

// Why the book did not take a change, with a sentence for the user.
struct StoreRefusal
{
    enum class Reason {
        NotOpen,   // no book is open
        ReadOnly,  // the book can only be read
        Invalid,   // the bottle cannot be saved: see problems
        Conflict,  // someone changed or removed the bottle since it was read
        Gone,      // the bottle is not in the book
        Failed,    // the engine failed (a full disk, a lock held too long ...)
        Duplicate, // the book has a bottle of that name and formula already
    };
    Reason reason = Reason::Failed;
    QString message;
    BottleProblems problems;
    // For a conflict: the bottle as the book now holds it, to show beside the one that was not
    // saved.
    std::optional<Bottle> current;
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

// A reagent book, reached through Qt SQL: the user's own in one SQLite file, or a lab book that a
// whole lab shares in a PostgreSQL database. Every change is one transaction, so a book killed at
// any moment holds what it held before or after it. A file that is not a book, is damaged or is
// from a newer molvera is never written, moved or removed; nor is a database that holds another
// program's bottles, or a newer molvera's book. Each store has its own named connection and
// belongs to the thread that opens it.
//
// On a lab book, the server's roles decide who may change it: a change it refuses comes back with
// the server's reason. A store never keeps a password: libpq finds it (~/.pgpass, PGPASSFILE, a
// service file, Kerberos ...), and the connection string is shown only without it.
class BookStore : public QObject
{
    Q_OBJECT

public:
    explicit BookStore(QObject *parent = nullptr);
    ~BookStore() override;

    // book.sqlite in the user's data folder (XDG_DATA_HOME/molvera); the application's name must
    // be set first.
    static QString defaultPath();
    // The lab book's connection string given by the environment (MOLVERA_LAB_BOOK); empty for
    // none.
    static QString environmentLabBook();

    // Opens the book at path, making it with the starter bottles when there is none, and bringing
    // an older one up to date. A file or folder that cannot be written opens read-only. Opening
    // an existing book reads its header and checks its pages: under a millisecond for the starter
    // bottles, about 25 ms for 10,000 bottles; making a new book about 50 ms, most of it waiting
    // for the disk.
    const BookStatus &open(const QString &path);
    // Opens the lab book on a PostgreSQL server, given as a libpq connection string or URI
    // (LabAddress), making its tables in an empty database (a new lab book has no bottles), and
    // bringing an older one up to date. Waits for the server for up to 5 s: call it where waiting
    // does no harm (a command, a test), and openLabInBackground() from a window.
    const BookStatus &openLab(const QString &connection);
    // The same, asked from a thread of its own: the status is Connecting at once, and
    // statusChanged() tells what came of it within the connect timeout (5 s at most).
    void openLabInBackground(const QString &connection);
    void close();
    const BookStatus &status() const;
    // The book's name beside its bottles where several books are shown: "Lab book", "My book".
    QString title() const;

    // A lab book whose server dropped the connection since it was last used (a restart, a network
    // that went away) is connected again once when next used; when that fails too, the status
    // says the book cannot be reached and the store gives no more bottles until it is opened again.
    QList<Bottle> bottles(); // in the order they were added
    std::optional<Bottle> bottle(qint64 id);
    int count();
    // The engine's whole check of the book: "ok", or the first fault it finds. It reads every
    // page: about 30 ms for 10,000 bottles.
    QString checkIntegrity();

    // Each returns the bottle as the book now holds (or held) it. update() and remove() take the
    // bottle as it was read: a row version the book has moved past is a conflict.
    StoreResult<Bottle> add(const Bottle &bottle);
    StoreResult<Bottle> update(const Bottle &bottle);
    StoreResult<Bottle> remove(const Bottle &bottle);
    // Adds a copy of a bottle of another book, its note, source and dates with it; a starter
    // bottle stays one where this book has not got it. A bottle of the same name and formula as
    // one the book has is refused.
    StoreResult<Bottle> copyIn(const Bottle &bottle);
    // Adds back the starter bottles the book no longer has, by their starter key, and changes no
    // other bottle; returns how many it added.
    StoreResult<int> restoreStarterBottles();
    // Imports a CSV file of either dialect in one transaction; progress is told the rows added so
    // far now and then.
    ImportReport importCsv(const QByteArray &csv, const std::function<void(int)> &progress = {});

Q_SIGNALS:
    // After any change, and when a book is opened or closed.
    void bottlesChanged();
    // When the book is opened, closed, found unreachable, or a background opening ends.
    void statusChanged(const molvera::BookStatus &status);

private:
    class Transaction;

    const BookStatus &openFile(const QString &path);
    std::optional<LabAddress> beginLab(const QString &connection);
    const BookStatus &openServer(const QString &connection);
    bool connectServer(const LabAddress &address, QString *error);
    bool setUpSession(QString *error);
    BookState readyServerBook(QString *error);
    bool openConnection(const QString &connection, const QString &file, bool readOnly,
                        QString *error);
    bool createBook(QString *error);
    bool makeBook(const QString &connection, QString *error);
    bool migrate(const QString &connection, QString *error);
    bool upgrade(QSqlQuery &query, int found, QString *error);
    bool openStarterCopy();
    template<typename Work> auto onServer(Work work);
    bool reconnect();
    const BookStatus &leaveAlone(BookState state, const QString &message);
    QString notABookText() const;
    QString newerText() const;
    QString cannotOpenText(const QString &reason) const;
    QString unreachableText(const QString &reason) const;
    std::optional<StoreRefusal> writeRefusal() const;
    StoreRefusal failure(const QSqlError &error) const;
    StoreRefusal failure(const QString &error) const;
    std::optional<Bottle> fetch(qint64 id) const;
    StoreResult<Bottle> insert(Bottle bottle, bool copy);

    const SqlDialect *m_dialect;
    QString m_connection;
    BookStatus m_status;
    QString m_where; // a lab book's host, for the user's sentences
    bool m_lab = false;
    bool m_commitSent = false; // a change's COMMIT went to the server: it may have been saved
    int m_opening = 0; // counts openings, so that a background one that ended late is let go
};

} // namespace molvera
