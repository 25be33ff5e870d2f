#include "bookstore.h"

#include "bookfile.h"
#include "bookschema.h"
#include "booksearch.h"
#include "bottlerow.h"
#include "labaddress.h"
#include "sqldialect.h"
#include "starterbottles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>

#include <memory>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// SQLite's primary result codes for a file it cannot read as a database.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

QString insertStatement(const QString &conflict = {})
{
    return u"INSERT INTO bottles (%1) VALUES (%2) %3 RETURNING id"_s.arg(BottleColumns,
                                                                         BottleValues, conflict);
}

// Makes an INSERT of a starter bottle add nothing when its starter key is there; both engines
// read it.
constexpr QLatin1StringView StarterIfMissing = "ON CONFLICT (starter_key) DO NOTHING"_L1;

int sqliteCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// A key that finds a bottle again whatever its name's case and accents.
QString duplicateKey(const QString &name, const QString &formula)
{
    return searchFold(name.trimmed()) + u'\n' + searchFold(formula.trimmed());
}

// Reads the keys of the book's bottles: the ones that tell a bottle it has already (by its name
// as stored and as shown), and the starter keys.
bool readKeys(QSqlQuery &query, const SqlDialect &dialect, QSet<QString> &known,
              QSet<QString> &starters)
{
    query.setForwardOnly(true);
    if (!query.prepare(u"SELECT id, %1 FROM bottles"_s.arg(dialect.bottleFields)) || !query.exec())
        return false;
    while (query.next()) {
        const Bottle bottle = bottleOf(query);
        known.insert(duplicateKey(bottle.name, bottle.formula));
        known.insert(duplicateKey(shownName(bottle), bottle.formula));
        starters.insert(bottle.starterKey);
    }
    return true;
}

// Runs a statement of the code's own, which holds no input: PostgreSQL cannot prepare BEGIN or
// CREATE TABLE.
bool run(QSqlQuery &query, const QString &statement)
{
    return statement.isEmpty() || query.exec(statement);
}

} // namespace

// A transaction that writes, rolled back unless committed.
class BookStore::Transaction
{
public:
    // commitSent is set when COMMIT goes to the engine.
    Transaction(const QSqlDatabase &database, const SqlDialect &dialect, bool *commitSent = nullptr)
        : m_database(database)
        , m_dialect(dialect)
        , m_commitSent(commitSent)
    {
        QSqlQuery begin(m_database);
        m_open = m_database.isOpen() && run(begin, dialect.beginWrite);
        if (!m_open)
            m_error = m_dialect.reason(begin.lastError());
    }
    ~Transaction()
    {
        // A server that dropped the connection has rolled the transaction back itself.
        QSqlQuery rollback(m_database);
        if (m_open && m_database.isOpen())
            run(rollback, u"ROLLBACK"_s);
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isOpen() const { return m_open; }
    bool commit()
    {
        QSqlQuery commit(m_database);
        if (m_commitSent)
            *m_commitSent = true;
        if (m_database.isOpen() && run(commit, u"COMMIT"_s)) {
            m_open = false;
            return true;
        }
        m_error = m_dialect.reason(commit.lastError());
        return false;
    }
    QString error() const { return m_error; }

private:
    QSqlDatabase m_database;
    const SqlDialect &m_dialect;
    bool *m_commitSent;
    bool m_open = false;
    QString m_error;
};

BookStore::BookStore(QObject *parent)
    : QObject(parent)
    , m_dialect(&sqliteDialect())
    , m_connection(u"molvera.book.%1"_s.arg(quintptr(this), 0, 16))
{}

BookStore::~BookStore()
{
    // A background opening still waiting for its server ends within the connect timeout.
    for (QThread *worker : findChildren<QThread *>(Qt::FindDirectChildrenOnly))
        worker->wait();
    const QSignalBlocker quiet(this);
    close();
}

QString BookStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/book.sqlite"_s;
}

QString BookStore::environmentLabBook()
{
    return qEnvironmentVariable("MOLVERA_LAB_BOOK");
}

const BookStatus &BookStore::status() const
{
    return m_status;
}

QString BookStore::title() const
{
    if (m_lab) {
        //: The name of the book the whole lab shares, beside its bottles.
        return tr("Lab book");
    }
    //: The name of the user's own book, beside its bottles.
    return tr("My book");
}

bool BookStore::openConnection(const QString &connection, const QString &file, bool readOnly,
                               QString *error)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(m_dialect->driver, connection);
    database.setDatabaseName(file);
    database.setConnectOptions(m_dialect->connectOptions +
                               (readOnly ? m_dialect->readOnlyOption : QString()));
    if (database.open())
        return true;
    *error = database.lastError().text();
    return false;
}

const BookStatus &BookStore::open(const QString &path)
{
    openFile(path);
    Q_EMIT statusChanged(m_status);
    return m_status;
}

const BookStatus &BookStore::openFile(const QString &path)
{
    close();
    m_dialect = &sqliteDialect();
    m_lab = false;
    m_status.path = QFileInfo(path).absoluteFilePath();
    const QString &file = m_status.path;
    const QString folder = QFileInfo(file).absolutePath();
    QString error;

    if (!QFileInfo::exists(file)) {
        if (!QDir().mkpath(folder) || !isChangeable(folder)) {
            if (openStarterCopy())
                return m_status;
            //: %1 is the book's file.
            return leaveAlone(BookState::Unavailable,
                              tr("The reagent book %1 cannot be made, because its folder cannot "
                                 "be written to. molvera works without the book.")
                                  .arg(file));
        }
        // Another molvera may have made it meanwhile: then its book is opened.
        if (!createBook(&error) && !QFileInfo::exists(file)) {
            //: %1 is the book's file, %2 the system's reason (in English).
            return leaveAlone(BookState::Unavailable,
                              tr("The reagent book %1 cannot be made: %2. molvera works without "
                                 "the book.")
                                  .arg(file, error));
        }
    }

    if (QFileInfo(file).isDir())
        return leaveAlone(BookState::NotABook, notABookText());
    const auto header = readBookFileHeader(file, &error);
    if (!header)
        return leaveAlone(BookState::Unavailable, cannotOpenText(error));
    if (!header->isBook)
        return leaveAlone(BookState::NotABook, notABookText());
    m_status.foundVersion = header->version;
    if (header->version > BookSchemaVersion)
        return leaveAlone(BookState::Newer, newerText());

    const bool readOnly = !isChangeable(file) || !isChangeable(folder);
    if (!openConnection(m_connection, file, readOnly, &error))
        return leaveAlone(BookState::Unavailable, cannotOpenText(error));
    // The queries end before the connection may have to go.
    QSqlError sqlError;
    QString damage;
    {
        QSqlQuery check(QSqlDatabase::database(m_connection, false));
        QSqlQuery version(QSqlDatabase::database(m_connection, false));
        if (!check.prepare(m_dialect->quickCheck) || !check.exec() || !check.next())
            sqlError = check.lastError();
        else if (check.value(0).toString() != u"ok"_s)
            damage = check.value(0).toString();
        else if (!version.prepare(m_dialect->readVersion) || !version.exec() || !version.next())
            sqlError = version.lastError();
        else
            m_status.foundVersion = version.value(0).toInt();
    }
    // The header said it is a book: what SQLite cannot read in it is damage.
    const int code = sqliteCode(sqlError);
    if (sqlError.isValid() && code != SqliteCorrupt && code != SqliteNotADatabase)
        return leaveAlone(BookState::Unavailable, cannotOpenText(sqlError.text()));
    if (sqlError.isValid() || !damage.isEmpty()) {
        //: %1 is the book's file, %2 the database's reason (in English).
        return leaveAlone(BookState::Damaged,
                          tr("The reagent book %1 is damaged: %2. molvera left the file as it is "
                             "and works without the book.")
                              .arg(file, sqlError.isValid() ? sqlError.text() : damage));
    }
    if (m_status.foundVersion > BookSchemaVersion)
        return leaveAlone(BookState::Newer, newerText());
    if (m_status.foundVersion < BookSchemaVersion) {
        if (readOnly) {
            //: %1 is the book's file.
            return leaveAlone(BookState::Unavailable,
                              tr("The reagent book %1 is from an older molvera and can only be "
                                 "read, so it cannot be brought up to date. molvera left the file "
                                 "as it is and works without the book.")
                                  .arg(file));
        }
        if (!migrate(m_connection, &error))
            return leaveAlone(BookState::Unavailable, cannotOpenText(error));
    }

    m_status.state = readOnly ? BookState::ReadOnly : BookState::Open;
    if (readOnly) {
        //: %1 is the book's file.
        m_status.message =
            tr("The reagent book %1 can only be read: changes to it cannot be saved.").arg(file);
    }
    Q_EMIT bottlesChanged();
    return m_status;
}

const BookStatus &BookStore::openLab(const QString &connection)
{
    openServer(connection);
    Q_EMIT statusChanged(m_status);
    return m_status;
}

// Closes what was open and takes the lab book's address: where it is, and how it is shown.
std::optional<LabAddress> BookStore::beginLab(const QString &connection)
{
    close();
    m_dialect = &postgresDialect();
    m_lab = true;
    const std::optional<LabAddress> address = LabAddress::read(connection);
    m_status.path = address ? address->shown() : maskedConnection(connection);
    m_where = address ? address->where() : m_status.path;
    return address;
}

const BookStatus &BookStore::openServer(const QString &connection)
{
    const std::optional<LabAddress> address = beginLab(connection);
    if (!QSqlDatabase::isDriverAvailable(m_dialect->driver)) {
        return leaveAlone(BookState::Unavailable,
                          tr("The lab book cannot be opened, because Qt's PostgreSQL driver is "
                             "not installed (on Debian, the package libqt6sql6-psql). molvera "
                             "works without the lab book."));
    }
    if (!address) {
        //: %1 is the connection string as given, without its password; host=… dbname=… and
        //: postgresql://host/dbname are written as they are.
        return leaveAlone(BookState::Unavailable,
                          tr("molvera cannot read the lab book's connection string %1. Write it "
                             "as host=… dbname=… or as postgresql://host/dbname, with no “;” in "
                             "a value.")
                              .arg(m_status.path));
    }
    QString error;
    if (!connectServer(*address, &error))
        return leaveAlone(BookState::Unreachable, unreachableText(error));
    switch (const BookState state = readyServerBook(&error)) {
    case BookState::Open:
        break;
    case BookState::NotABook:
        return leaveAlone(state, notABookText());
    case BookState::Newer:
        return leaveAlone(state, newerText());
    default:
        return leaveAlone(state, cannotOpenText(error));
    }
    m_status.state = BookState::Open;
    Q_EMIT bottlesChanged();
    return m_status;
}

void BookStore::openLabInBackground(const QString &connection)
{
    const std::optional<LabAddress> address = beginLab(connection);
    m_status.state = BookState::Connecting;
    //: %1 is the lab book's host.
    m_status.message = tr("Connecting to the lab book at %1 …").arg(m_where);
    Q_EMIT statusChanged(m_status);

    // A store of the worker's own, with its own named connection, finds out whether the server
    // answers (and makes or migrates the book); this one then connects at once.
    const int opening = m_opening;
    const auto found = std::make_shared<BookStatus>();
    QThread *worker = QThread::create([connection, found] {
        BookStore asking;
        *found = asking.openLab(connection);
    });
    worker->setParent(this);
    connect(worker, &QThread::finished, this, [this, worker, found, connection, opening] {
        worker->deleteLater();
        if (opening != m_opening) // opened or closed since
            return;
        if (found->canRead()) {
            openLab(connection);
        } else {
            m_status = *found;
            Q_EMIT statusChanged(m_status);
        }
    });
    worker->start();
}

bool BookStore::connectServer(const LabAddress &address, QString *error)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(m_dialect->driver, m_connection);
    database.setHostName(address.value(u"host"));
    database.setDatabaseName(address.value(u"dbname"));
    database.setUserName(address.value(u"user"));
    database.setPassword(address.value(u"password"));
    database.setConnectOptions(address.connectOptions());
    if (!database.open()) {
        *error = m_dialect->reason(database.lastError());
        return false;
    }
    return setUpSession(error);
}

bool BookStore::setUpSession(QString *error)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    for (const QString &statement : m_dialect->sessionSetup) {
        if (!run(query, statement)) {
            *error = m_dialect->reason(query.lastError());
            return false;
        }
    }
    return true;
}

// In one transaction under the book's lock, so that two programs opening a new lab book at once
// make it once: an empty database gets the book's tables, an older book is brought up to date.
// Returns Open, or the state of a database left as it is: NotABook, Newer, or Unavailable with
// the server's reason.
BookState BookStore::readyServerBook(QString *error)
{
    const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    Transaction transaction(database, *m_dialect);
    QSqlQuery query(database);
    if (!transaction.isOpen()) {
        *error = transaction.error();
        return BookState::Unavailable;
    }
    const auto failed = [&] {
        *error = m_dialect->reason(query.lastError());
        return BookState::Unavailable;
    };
    if (!run(query, m_dialect->lockSchema) || !run(query, m_dialect->findBook) || !query.next())
        return failed();
    const bool marked = query.value(0).toBool();
    if (!marked && query.value(1).toBool())
        return BookState::NotABook;
    for (const QString &statement : marked ? QStringList() : m_dialect->markAsBook) {
        if (!run(query, statement))
            return failed();
    }
    if (!run(query, m_dialect->readVersion) || !query.next())
        return failed();
    m_status.foundVersion = query.value(0).toInt();
    if (m_status.foundVersion > BookSchemaVersion)
        return BookState::Newer;
    if (!upgrade(query, m_status.foundVersion, error))
        return BookState::Unavailable;
    if (!transaction.commit()) {
        *error = transaction.error();
        return BookState::Unavailable;
    }
    return BookState::Open;
}

// A lab book's server that dropped the connection is asked once more; when it does not answer,
// the status says so.
bool BookStore::reconnect()
{
    QString error;
    {
        QSqlDatabase database = QSqlDatabase::database(m_connection, false);
        if (database.open() && setUpSession(&error))
            return true;
        if (error.isEmpty())
            error = m_dialect->reason(database.lastError());
    }
    leaveAlone(BookState::Unreachable, unreachableText(error));
    Q_EMIT statusChanged(m_status);
    // Later: this may be a model's own reading of the bottles.
    QMetaObject::invokeMethod(this, &BookStore::bottlesChanged, Qt::QueuedConnection);
    return false;
}

// Runs work on the book. On a lab book whose server dropped the connection since it was last
// used, work fails at its first statement: the store connects again once and runs it again,
// unless its COMMIT had gone out (the server may have saved it).
template<typename Work> auto BookStore::onServer(Work work)
{
    const auto dropped = [this] {
        return m_lab && m_status.canRead() && !QSqlDatabase::database(m_connection, false).isOpen();
    };
    if (dropped()) // while an earlier change was being committed
        reconnect();
    m_commitSent = false;
    auto result = work();
    if (dropped() && !m_commitSent) {
        reconnect();
        result = work();
    }
    return result;
}

QString BookStore::notABookText() const
{
    if (m_lab) {
        //: %1 is the lab book's host.
        return tr("The database of the lab book at %1 holds a table of bottles that is not "
                  "molvera's. molvera left it as it is and works without the lab book.")
            .arg(m_where);
    }
    //: %1 is the file.
    return tr("%1 is not a reagent book of molvera. molvera left the file as it is and works "
              "without the book.")
        .arg(m_status.path);
}

QString BookStore::newerText() const
{
    if (m_lab) {
        //: %1 is the lab book's host, %2 the version of the book found, %3 the newest this
        //: molvera knows.
        return tr("The lab book at %1 was written by a newer molvera (book version %2; this "
                  "molvera knows versions up to %3). molvera left it as it is and works without "
                  "the lab book.")
            .arg(m_where)
            .arg(m_status.foundVersion)
            .arg(BookSchemaVersion);
    }
    //: %1 is the book's file, %2 the version of the book found, %3 the newest this molvera knows.
    return tr("The reagent book %1 was written by a newer molvera (book version %2; this molvera "
              "knows versions up to %3). molvera left the file as it is and works without the "
              "book.")
        .arg(m_status.path)
        .arg(m_status.foundVersion)
        .arg(BookSchemaVersion);
}

QString BookStore::cannotOpenText(const QString &reason) const
{
    if (m_lab) {
        //: %1 is the lab book's host, %2 the server's reason (in English).
        return tr("The lab book at %1 cannot be opened: %2. molvera works without the lab book.")
            .arg(m_where, reason);
    }
    //: %1 is the book's file, %2 the system's or the database's reason (in English).
    return tr("The reagent book %1 cannot be opened: %2. molvera works without the book.")
        .arg(m_status.path, reason);
}

QString BookStore::unreachableText(const QString &reason) const
{
    //: %1 is the lab book's host, %2 the reason libpq gives (in English).
    return tr("The lab book at %1 cannot be reached: %2. molvera works without the lab book.")
        .arg(m_where, reason);
}

const BookStatus &BookStore::leaveAlone(BookState state, const QString &message)
{
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::removeDatabase(m_connection);
    m_status.state = state;
    m_status.message = message;
    return m_status;
}

void BookStore::close()
{
    ++m_opening;
    const bool wasOpen = m_status.canRead();
    const bool wasClosed = m_status.state == BookState::Closed;
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_status = {};
    if (wasOpen)
        Q_EMIT bottlesChanged();
    if (!wasClosed)
        Q_EMIT statusChanged(m_status);
}

// A new book is made whole under another name, then given its own: killed while it is being
// made, the user finds no half book.
bool BookStore::createBook(QString *error)
{
    QTemporaryFile temporary(m_status.path + u".new-XXXXXX"_s);
    temporary.setAutoRemove(false);
    if (!temporary.open()) {
        *error = temporary.errorString();
        return false;
    }
    const QString made = temporary.fileName();
    temporary.close();

    const QString connection = m_connection + u".new"_s;
    bool done = openConnection(connection, made, false, error) && makeBook(connection, error);
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
    // rename() refuses to replace a book another molvera made meanwhile.
    done = done && QFile::rename(made, m_status.path);
    if (!done)
        QFile::remove(made);
    return done;
}

bool BookStore::makeBook(const QString &connection, QString *error)
{
    const QSqlDatabase database = QSqlDatabase::database(connection, false);
    QSqlQuery mark(database);
    for (const QString &statement : m_dialect->markAsBook) {
        if (!run(mark, statement)) {
            *error = mark.lastError().text();
            return false;
        }
    }
    if (!migrate(connection, error))
        return false;
    Transaction transaction(database, *m_dialect);
    QSqlQuery insert(database);
    if (!transaction.isOpen() || !insert.prepare(insertStatement())) {
        *error = transaction.isOpen() ? insert.lastError().text() : transaction.error();
        return false;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (Bottle bottle : starterBottles()) {
        bottle.added = bottle.changed = now;
        bottle.rowVersion = 1;
        bindAll(insert, bottle);
        if (!insert.exec()) {
            *error = insert.lastError().text();
            return false;
        }
    }
    insert.finish();
    if (!transaction.commit()) {
        *error = transaction.error();
        return false;
    }
    return true;
}

// Brings the book to BookSchemaVersion in one transaction, reading its version again under the
// write lock: another molvera may have done it meanwhile.
bool BookStore::migrate(const QString &connection, QString *error)
{
    const QSqlDatabase database = QSqlDatabase::database(connection, false);
    Transaction transaction(database, *m_dialect);
    QSqlQuery query(database);
    if (!transaction.isOpen()) {
        *error = transaction.error();
        return false;
    }
    if (!run(query, m_dialect->readVersion) || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    if (!upgrade(query, query.value(0).toInt(), error))
        return false;
    if (!transaction.commit()) {
        *error = transaction.error();
        return false;
    }
    return true;
}

// Takes the book from the version found to BookSchemaVersion, in the caller's transaction.
bool BookStore::upgrade(QSqlQuery &query, int found, QString *error)
{
    for (int version = found + 1; version <= BookSchemaVersion; ++version) {
        for (const QString &statement : migrationStep(version, *m_dialect)) {
            if (!run(query, statement)) {
                *error = m_dialect->reason(query.lastError());
                return false;
            }
        }
    }
    if (found < BookSchemaVersion && !run(query, m_dialect->writeVersion(BookSchemaVersion))) {
        *error = m_dialect->reason(query.lastError());
        return false;
    }
    return true;
}

// Where no book can be made, the starter bottles are still there to read.
bool BookStore::openStarterCopy()
{
    QString error;
    if (!openConnection(m_connection, u":memory:"_s, false, &error) ||
        !makeBook(m_connection, &error))
        return false;
    m_status.state = BookState::ReadOnly;
    m_status.foundVersion = 0;
    //: %1 is the book's file.
    m_status.message = tr("The reagent book %1 cannot be made, because its folder cannot be "
                          "written to. molvera shows the starter bottles, but changes to them "
                          "cannot be saved.")
                           .arg(m_status.path);
    Q_EMIT bottlesChanged();
    return true;
}

QList<Bottle> BookStore::bottles()
{
    return onServer([this] {
        QList<Bottle> bottles;
        if (!m_status.canRead())
            return bottles;
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (query.prepare(
                u"SELECT id, %1 FROM bottles ORDER BY id"_s.arg(m_dialect->bottleFields)) &&
            query.exec()) {
            while (query.next())
                bottles.append(bottleOf(query));
        }
        return bottles;
    });
}

std::optional<Bottle> BookStore::fetch(qint64 id) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.prepare(u"SELECT id, %1 FROM bottles WHERE id = :id"_s.arg(m_dialect->bottleFields)))
        return std::nullopt;
    query.bindValue(u":id"_s, id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return bottleOf(query);
}

std::optional<Bottle> BookStore::bottle(qint64 id)
{
    return onServer([&] { return m_status.canRead() ? fetch(id) : std::nullopt; });
}

int BookStore::count()
{
    return onServer([this] {
        if (!m_status.canRead())
            return 0;
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        if (!query.prepare(u"SELECT COUNT(*) FROM bottles"_s) || !query.exec() || !query.next())
            return 0;
        return query.value(0).toInt();
    });
}

QString BookStore::checkIntegrity()
{
    return onServer([this] {
        if (!m_status.canRead())
            return m_status.message;
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        if (!query.prepare(m_dialect->integrityCheck) || !query.exec() || !query.next())
            return m_dialect->reason(query.lastError());
        return query.value(0).toString();
    });
}

std::optional<StoreRefusal> BookStore::writeRefusal() const
{
    if (m_status.state == BookState::ReadOnly) {
        //: %1 is the book's file.
        return StoreRefusal{StoreRefusal::Reason::ReadOnly,
                            tr("The reagent book %1 can only be read, so the change was not saved.")
                                .arg(m_status.path),
                            {},
                            {}};
    }
    // A lab book's status says why it is not open: away, newer, not molvera's ...
    if (m_lab && m_status.state != BookState::Open && !m_status.message.isEmpty())
        return StoreRefusal{StoreRefusal::Reason::NotOpen, m_status.message, {}, {}};
    if (m_status.state != BookState::Open) {
        return StoreRefusal{StoreRefusal::Reason::NotOpen,
                            tr("No reagent book is open, so the change was not saved."),
                            {},
                            {}};
    }
    return std::nullopt;
}

StoreRefusal BookStore::failure(const QSqlError &error) const
{
    if (m_dialect->refusedToUser(error)) {
        //: %1 is the lab book's host, %2 the server's reason (in English).
        return {StoreRefusal::Reason::ReadOnly,
                tr("The lab book at %1 did not take the change: %2. The change was not saved.")
                    .arg(m_where, m_dialect->reason(error)),
                {},
                {}};
    }
    return failure(m_dialect->reason(error));
}

StoreRefusal BookStore::failure(const QString &error) const
{
    if (m_lab) {
        //: %1 is the lab book's host, %2 the server's reason (in English).
        return {StoreRefusal::Reason::Failed,
                tr("The lab book at %1 could not be changed: %2. The change was not saved.")
                    .arg(m_where, error),
                {},
                {}};
    }
    //: %1 is the book's file, %2 the database's reason (in English).
    return {StoreRefusal::Reason::Failed,
            tr("The reagent book %1 could not be changed: %2. The change was not saved.")
                .arg(m_status.path, error),
            {},
            {}};
}

namespace {

StoreRefusal invalid(const BottleProblems &problems)
{
    return {StoreRefusal::Reason::Invalid, problems.first(), problems, {}};
}

} // namespace

StoreResult<Bottle> BookStore::add(const Bottle &typed)
{
    Bottle bottle = typed;
    bottle.starterKey.clear(); // a bottle added by hand is the lab's own
    return insert(bottle, false);
}

StoreResult<Bottle> BookStore::copyIn(const Bottle &bottle)
{
    return insert(bottle, true);
}

StoreResult<Bottle> BookStore::insert(Bottle typed, bool copy)
{
    return onServer([&]() -> StoreResult<Bottle> {
        if (auto refusal = writeRefusal())
            return *refusal;
        Bottle bottle = withFormulaFacts(typed);
        if (const BottleProblems problems = checkBottle(bottle); !problems.isEmpty())
            return invalid(problems);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        if (!copy || !bottle.added.isValid())
            bottle.added = now;
        if (!copy || !bottle.changed.isValid())
            bottle.changed = now;
        bottle.rowVersion = 1;

        // The statements go after the transaction ends: PostgreSQL cannot let a prepared
        // statement go in a transaction that failed.
        const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
        QSqlQuery insert(database);
        Transaction transaction(database, *m_dialect, &m_commitSent);
        if (!transaction.isOpen())
            return failure(transaction.error());
        QSet<QString> known, starters;
        if (copy && !readKeys(insert, *m_dialect, known, starters))
            return failure(insert.lastError());
        if (known.contains(duplicateKey(bottle.name, bottle.formula)) ||
            known.contains(duplicateKey(shownName(bottle), bottle.formula))) {
            //: %1 is the bottle's name, %2 its formula as typed (either may be empty).
            return StoreRefusal{StoreRefusal::Reason::Duplicate,
                                tr("%1 (%2) is in this book already, so it was not copied.")
                                    .arg(shownName(bottle), bottle.formula),
                                {},
                                {}};
        }
        // A starter bottle the book has already is copied as the lab's own.
        if (starters.contains(bottle.starterKey))
            bottle.starterKey.clear();
        if (!insert.prepare(insertStatement()))
            return failure(insert.lastError());
        bindAll(insert, bottle);
        if (!insert.exec() || !insert.next())
            return failure(insert.lastError());
        bottle.id = insert.value(0).toLongLong();
        insert.finish();
        if (!transaction.commit())
            return failure(transaction.error());
        Q_EMIT bottlesChanged();
        return bottle;
    });
}

StoreResult<Bottle> BookStore::update(const Bottle &typed)
{
    return onServer([&]() -> StoreResult<Bottle> {
        if (auto refusal = writeRefusal())
            return *refusal;
        Bottle bottle = withFormulaFacts(typed);
        if (const BottleProblems problems = checkBottle(bottle); !problems.isEmpty())
            return invalid(problems);
        bottle.changed = QDateTime::currentDateTimeUtc();

        // The statements go after the transaction ends: PostgreSQL cannot let a prepared
        // statement go in a transaction that failed.
        const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
        QSqlQuery query(database);
        Transaction transaction(database, *m_dialect, &m_commitSent);
        if (!transaction.isOpen())
            return failure(transaction.error());
        // The row version in the WHERE: a bottle saved by someone else since it was read is
        // not overwritten. A server holds the second save until the first commits.
        if (!query.prepare(
                u"UPDATE bottles SET %1 WHERE id = :id AND row_version = :row_version"_s.arg(
                    BottleChanges)))
            return failure(query.lastError());
        bindChanges(query, bottle);
        query.bindValue(u":id"_s, bottle.id);
        query.bindValue(u":row_version"_s, bottle.rowVersion);
        if (!query.exec())
            return failure(query.lastError());
        const std::optional<Bottle> now = fetch(bottle.id);
        if (query.numRowsAffected() != 1) {
            //: %1 is the bottle's name.
            return now ? StoreRefusal{StoreRefusal::Reason::Conflict,
                                      tr("%1 was changed in the book after it was read, so this "
                                         "change was not saved. Look at the bottle again and make "
                                         "the change once more.")
                                          .arg(shownName(*now)),
                                      {},
                                      now}
                       : StoreRefusal{StoreRefusal::Reason::Gone,
                                      tr("%1 is no longer in the book, so the change was not "
                                         "saved.")
                                          .arg(shownName(bottle)),
                                      {},
                                      {}};
        }
        if (!transaction.commit())
            return failure(transaction.error());
        Q_EMIT bottlesChanged();
        return *now;
    });
}

StoreResult<Bottle> BookStore::remove(const Bottle &bottle)
{
    return onServer([&]() -> StoreResult<Bottle> {
        if (auto refusal = writeRefusal())
            return *refusal;
        // The statements go after the transaction ends: PostgreSQL cannot let a prepared
        // statement go in a transaction that failed.
        const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
        QSqlQuery query(database);
        Transaction transaction(database, *m_dialect, &m_commitSent);
        if (!transaction.isOpen())
            return failure(transaction.error());
        const std::optional<Bottle> was = fetch(bottle.id);
        if (!was) {
            return StoreRefusal{StoreRefusal::Reason::Gone,
                                tr("%1 is no longer in the book.").arg(shownName(bottle)),
                                {},
                                {}};
        }
        if (was->rowVersion != bottle.rowVersion) {
            //: %1 is the bottle's name.
            return StoreRefusal{StoreRefusal::Reason::Conflict,
                                tr("%1 was changed in the book after it was read, so it was not "
                                   "removed. Look at the bottle again before removing it.")
                                    .arg(shownName(*was)),
                                {},
                                was};
        }
        if (!query.prepare(u"DELETE FROM bottles WHERE id = :id AND row_version = :row_version"_s))
            return failure(query.lastError());
        query.bindValue(u":id"_s, bottle.id);
        query.bindValue(u":row_version"_s, bottle.rowVersion);
        if (!query.exec())
            return failure(query.lastError());
        if (query.numRowsAffected() != 1) { // changed by another since it was read just now
            return StoreRefusal{StoreRefusal::Reason::Conflict,
                                tr("%1 was changed in the book after it was read, so it was not "
                                   "removed. Look at the bottle again before removing it.")
                                    .arg(shownName(*was)),
                                {},
                                fetch(bottle.id)};
        }
        if (!transaction.commit())
            return failure(transaction.error());
        Q_EMIT bottlesChanged();
        return *was;
    });
}

StoreResult<int> BookStore::restoreStarterBottles()
{
    return onServer([this]() -> StoreResult<int> {
        if (auto refusal = writeRefusal())
            return *refusal;
        // The statements go after the transaction ends: PostgreSQL cannot let a prepared
        // statement go in a transaction that failed.
        const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
        QSqlQuery insert(database);
        Transaction transaction(database, *m_dialect, &m_commitSent);
        if (!transaction.isOpen())
            return failure(transaction.error());
        if (!insert.prepare(insertStatement(StarterIfMissing)))
            return failure(insert.lastError());
        int added = 0;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (Bottle bottle : starterBottles()) {
            bottle.added = bottle.changed = now;
            bottle.rowVersion = 1;
            bindAll(insert, bottle);
            if (!insert.exec())
                return failure(insert.lastError());
            added += insert.next() ? 1 : 0;
        }
        insert.finish();
        if (!transaction.commit())
            return failure(transaction.error());
        if (added > 0)
            Q_EMIT bottlesChanged();
        return added;
    });
}

ImportReport BookStore::importCsv(const QByteArray &csv, const std::function<void(int)> &progress)
{
    CsvReading reading = readBookCsv(csv);
    return onServer([&] {
        ImportReport report;
        report.dialect = reading.dialect;
        report.problems = reading.problems;
        if (!report.problems.isEmpty())
            return report;
        if ((report.refusal = writeRefusal()))
            return report;

        // The statements go after the transaction ends: PostgreSQL cannot let a prepared
        // statement go in a transaction that failed.
        const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
        QSqlQuery query(database), insert(database);
        Transaction transaction(database, *m_dialect, &m_commitSent);
        if (!transaction.isOpen()) {
            report.refusal = failure(transaction.error());
            return report;
        }
        QSet<QString> known, starters;
        if (!readKeys(query, *m_dialect, known, starters)) {
            report.refusal = failure(query.lastError());
            return report;
        }

        if (!insert.prepare(insertStatement())) {
            report.refusal = failure(insert.lastError());
            return report;
        }
        const QDateTime now = QDateTime::currentDateTimeUtc();
        int added = 0;
        for (CsvBottle &row : reading.bottles) {
            Bottle &bottle = row.bottle;
            const QString key = duplicateKey(bottle.name, bottle.formula);
            if (known.contains(key)) {
                //: %1 is the bottle's name, %2 its formula as typed (either may be empty).
                report.skipped.append(
                    {row.line, u"name"_s,
                     tr("%1 (%2) is in the book already, so the row was not added again.")
                         .arg(bottle.name, bottle.formula)});
                continue;
            }
            known.insert(key);
            if (!bottle.added.isValid())
                bottle.added = now;
            if (!bottle.changed.isValid())
                bottle.changed = bottle.added;
            bottle.rowVersion = 1;
            bindAll(insert, bottle);
            if (!insert.exec()) {
                report.refusal = failure(insert.lastError());
                report.skipped.clear();
                return report;
            }
            insert.finish();
            if (++added % 100 == 0 && progress)
                progress(added);
        }
        if (progress)
            progress(added);
        if (!transaction.commit()) {
            report.refusal = failure(transaction.error());
            report.skipped.clear();
            return report;
        }
        report.added = added;
        if (added > 0)
            Q_EMIT bottlesChanged();
        return report;
    });
}

} // namespace molvera
