#include "bookstore.h"

#include "bookfile.h"
#include "bookschema.h"
#include "booksearch.h"
#include "bottlerow.h"
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

int sqliteCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// A key that finds a bottle again whatever its name's case and accents.
QString duplicateKey(const QString &name, const QString &formula)
{
    return searchFold(name.trimmed()) + u'\n' + searchFold(formula.trimmed());
}

} // namespace

// A transaction that writes, rolled back unless committed.
class BookStore::Transaction
{
public:
    Transaction(const QSqlDatabase &database, const SqlDialect &dialect)
        : m_database(database)
    {
        QSqlQuery begin(m_database);
        m_open = begin.prepare(dialect.beginWrite) && begin.exec();
        if (!m_open)
            m_error = begin.lastError().text();
    }
    ~Transaction()
    {
        QSqlQuery rollback(m_database);
        if (m_open && rollback.prepare(u"ROLLBACK"_s))
            rollback.exec();
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isOpen() const { return m_open; }
    bool commit()
    {
        QSqlQuery commit(m_database);
        if (commit.prepare(u"COMMIT"_s) && commit.exec()) {
            m_open = false;
            return true;
        }
        m_error = commit.lastError().text();
        return false;
    }
    QString error() const { return m_error; }
    QSqlDatabase database() const { return m_database; }

private:
    QSqlDatabase m_database;
    bool m_open = false;
    QString m_error;
};

BookStore::BookStore(QObject *parent)
    : QObject(parent)
    , m_dialect(sqliteDialect())
    , m_connection(u"molvera.book.%1"_s.arg(quintptr(this), 0, 16))
{}

BookStore::~BookStore()
{
    const QSignalBlocker quiet(this);
    close();
}

QString BookStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/book.sqlite"_s;
}

const BookStatus &BookStore::status() const
{
    return m_status;
}

bool BookStore::openConnection(const QString &connection, const QString &file, bool readOnly,
                               QString *error)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(m_dialect.driver, connection);
    database.setDatabaseName(file);
    database.setConnectOptions(m_dialect.connectOptions +
                               (readOnly ? m_dialect.readOnlyOption : QString()));
    if (database.open())
        return true;
    *error = database.lastError().text();
    return false;
}

const BookStatus &BookStore::open(const QString &path)
{
    close();
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
        if (!check.prepare(m_dialect.quickCheck) || !check.exec() || !check.next())
            sqlError = check.lastError();
        else if (check.value(0).toString() != u"ok"_s)
            damage = check.value(0).toString();
        else if (!version.prepare(m_dialect.readVersion) || !version.exec() || !version.next())
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

QString BookStore::notABookText() const
{
    //: %1 is the file.
    return tr("%1 is not a reagent book of molvera. molvera left the file as it is and works "
              "without the book.")
        .arg(m_status.path);
}

QString BookStore::newerText() const
{
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
    //: %1 is the book's file, %2 the system's or the database's reason (in English).
    return tr("The reagent book %1 cannot be opened: %2. molvera works without the book.")
        .arg(m_status.path, reason);
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
    const bool wasOpen = m_status.canRead();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_status = {};
    if (wasOpen)
        Q_EMIT bottlesChanged();
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
    if (!mark.prepare(m_dialect.markAsBook) || !mark.exec()) {
        *error = mark.lastError().text();
        return false;
    }
    if (!migrate(connection, error))
        return false;
    Transaction transaction(database, m_dialect);
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
    Transaction transaction(database, m_dialect);
    QSqlQuery query(database);
    if (!transaction.isOpen()) {
        *error = transaction.error();
        return false;
    }
    if (!query.prepare(m_dialect.readVersion) || !query.exec() || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    const int found = query.value(0).toInt();
    for (int version = found + 1; version <= BookSchemaVersion; ++version) {
        for (const QString &statement : migrationStep(version, m_dialect)) {
            if (!query.prepare(statement) || !query.exec()) {
                *error = query.lastError().text();
                return false;
            }
        }
    }
    if (found < BookSchemaVersion &&
        (!query.prepare(m_dialect.writeVersion(BookSchemaVersion)) || !query.exec())) {
        *error = query.lastError().text();
        return false;
    }
    if (!transaction.commit()) {
        *error = transaction.error();
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

QList<Bottle> BookStore::bottles() const
{
    QList<Bottle> bottles;
    if (!m_status.canRead())
        return bottles;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (query.prepare(u"SELECT id, %1 FROM bottles ORDER BY id"_s.arg(BottleColumns)) &&
        query.exec()) {
        while (query.next())
            bottles.append(bottleOf(query));
    }
    return bottles;
}

std::optional<Bottle> BookStore::fetch(qint64 id) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.prepare(u"SELECT id, %1 FROM bottles WHERE id = :id"_s.arg(BottleColumns)))
        return std::nullopt;
    query.bindValue(u":id"_s, id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return bottleOf(query);
}

std::optional<Bottle> BookStore::bottle(qint64 id) const
{
    return m_status.canRead() ? fetch(id) : std::nullopt;
}

int BookStore::count() const
{
    if (!m_status.canRead())
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.prepare(u"SELECT COUNT(*) FROM bottles"_s) || !query.exec() || !query.next())
        return 0;
    return query.value(0).toInt();
}

QString BookStore::checkIntegrity() const
{
    if (!m_status.canRead())
        return m_status.message;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.prepare(m_dialect.integrityCheck) || !query.exec() || !query.next())
        return query.lastError().text();
    return query.value(0).toString();
}

std::optional<StoreRefusal> BookStore::writeRefusal() const
{
    if (m_status.state == BookState::ReadOnly) {
        //: %1 is the book's file.
        return StoreRefusal{StoreRefusal::Reason::ReadOnly,
                            tr("The reagent book %1 can only be read, so the change was not saved.")
                                .arg(m_status.path),
                            {}};
    }
    if (m_status.state != BookState::Open) {
        return StoreRefusal{StoreRefusal::Reason::NotOpen,
                            tr("No reagent book is open, so the change was not saved."),
                            {}};
    }
    return std::nullopt;
}

StoreRefusal BookStore::failure(const QString &error) const
{
    //: %1 is the book's file, %2 the database's reason (in English).
    return {StoreRefusal::Reason::Failed,
            tr("The reagent book %1 could not be changed: %2. The change was not saved.")
                .arg(m_status.path, error),
            {}};
}

namespace {

StoreRefusal invalid(const BottleProblems &problems)
{
    return {StoreRefusal::Reason::Invalid, problems.first(), problems};
}

} // namespace

StoreResult<Bottle> BookStore::add(const Bottle &typed)
{
    if (auto refusal = writeRefusal())
        return *refusal;
    Bottle bottle = withFormulaFacts(typed);
    if (const BottleProblems problems = checkBottle(bottle); !problems.isEmpty())
        return invalid(problems);
    bottle.added = bottle.changed = QDateTime::currentDateTimeUtc();
    bottle.rowVersion = 1;
    bottle.starterKey.clear(); // a bottle added by hand is the lab's own

    Transaction transaction(QSqlDatabase::database(m_connection, false), m_dialect);
    QSqlQuery insert(transaction.database());
    if (!transaction.isOpen())
        return failure(transaction.error());
    if (!insert.prepare(insertStatement()))
        return failure(insert.lastError().text());
    bindAll(insert, bottle);
    if (!insert.exec() || !insert.next())
        return failure(insert.lastError().text());
    bottle.id = insert.value(0).toLongLong();
    insert.finish();
    if (!transaction.commit())
        return failure(transaction.error());
    Q_EMIT bottlesChanged();
    return bottle;
}

StoreResult<Bottle> BookStore::update(const Bottle &typed)
{
    if (auto refusal = writeRefusal())
        return *refusal;
    Bottle bottle = withFormulaFacts(typed);
    if (const BottleProblems problems = checkBottle(bottle); !problems.isEmpty())
        return invalid(problems);
    bottle.changed = QDateTime::currentDateTimeUtc();

    Transaction transaction(QSqlDatabase::database(m_connection, false), m_dialect);
    QSqlQuery query(transaction.database());
    if (!transaction.isOpen())
        return failure(transaction.error());
    if (!query.prepare(u"UPDATE bottles SET %1 WHERE id = :id AND row_version = :row_version"_s.arg(
            BottleChanges)))
        return failure(query.lastError().text());
    bindChanges(query, bottle);
    query.bindValue(u":id"_s, bottle.id);
    query.bindValue(u":row_version"_s, bottle.rowVersion);
    if (!query.exec())
        return failure(query.lastError().text());
    const std::optional<Bottle> now = fetch(bottle.id);
    if (query.numRowsAffected() != 1) {
        //: %1 is the bottle's name.
        return now ? StoreRefusal{StoreRefusal::Reason::Conflict,
                                  tr("%1 was changed in the book after it was read, so this "
                                     "change was not saved. Look at the bottle again and make the "
                                     "change once more.")
                                      .arg(shownName(*now)),
                                  {}}
                   : StoreRefusal{StoreRefusal::Reason::Gone,
                                  tr("%1 is no longer in the book, so the change was not saved.")
                                      .arg(shownName(bottle)),
                                  {}};
    }
    if (!transaction.commit())
        return failure(transaction.error());
    Q_EMIT bottlesChanged();
    return *now;
}

StoreResult<Bottle> BookStore::remove(const Bottle &bottle)
{
    if (auto refusal = writeRefusal())
        return *refusal;
    Transaction transaction(QSqlDatabase::database(m_connection, false), m_dialect);
    QSqlQuery query(transaction.database());
    if (!transaction.isOpen())
        return failure(transaction.error());
    const std::optional<Bottle> was = fetch(bottle.id);
    if (!was) {
        return StoreRefusal{StoreRefusal::Reason::Gone,
                            tr("%1 is no longer in the book.").arg(shownName(bottle)),
                            {}};
    }
    if (was->rowVersion != bottle.rowVersion) {
        //: %1 is the bottle's name.
        return StoreRefusal{StoreRefusal::Reason::Conflict,
                            tr("%1 was changed in the book after it was read, so it was not "
                               "removed. Look at the bottle again before removing it.")
                                .arg(shownName(*was)),
                            {}};
    }
    if (!query.prepare(u"DELETE FROM bottles WHERE id = :id"_s))
        return failure(query.lastError().text());
    query.bindValue(u":id"_s, bottle.id);
    if (!query.exec())
        return failure(query.lastError().text());
    if (!transaction.commit())
        return failure(transaction.error());
    Q_EMIT bottlesChanged();
    return *was;
}

StoreResult<int> BookStore::restoreStarterBottles()
{
    if (auto refusal = writeRefusal())
        return *refusal;
    Transaction transaction(QSqlDatabase::database(m_connection, false), m_dialect);
    QSqlQuery insert(transaction.database());
    if (!transaction.isOpen())
        return failure(transaction.error());
    if (!insert.prepare(insertStatement(m_dialect.insertIfMissing)))
        return failure(insert.lastError().text());
    int added = 0;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (Bottle bottle : starterBottles()) {
        bottle.added = bottle.changed = now;
        bottle.rowVersion = 1;
        bindAll(insert, bottle);
        if (!insert.exec())
            return failure(insert.lastError().text());
        added += insert.next() ? 1 : 0;
    }
    insert.finish();
    if (!transaction.commit())
        return failure(transaction.error());
    if (added > 0)
        Q_EMIT bottlesChanged();
    return added;
}

ImportReport BookStore::importCsv(const QByteArray &csv, const std::function<void(int)> &progress)
{
    CsvReading reading = readBookCsv(csv);
    ImportReport report;
    report.dialect = reading.dialect;
    report.problems = std::move(reading.problems);
    if (!report.problems.isEmpty())
        return report;
    if ((report.refusal = writeRefusal()))
        return report;

    Transaction transaction(QSqlDatabase::database(m_connection, false), m_dialect);
    QSqlQuery query(transaction.database());
    if (!transaction.isOpen()) {
        report.refusal = failure(transaction.error());
        return report;
    }
    QSet<QString> known;
    query.setForwardOnly(true);
    if (!query.prepare(u"SELECT id, %1 FROM bottles"_s.arg(BottleColumns)) || !query.exec()) {
        report.refusal = failure(query.lastError().text());
        return report;
    }
    while (query.next()) {
        const Bottle bottle = bottleOf(query);
        known.insert(duplicateKey(bottle.name, bottle.formula));
        known.insert(duplicateKey(shownName(bottle), bottle.formula));
    }

    QSqlQuery insert(transaction.database());
    if (!insert.prepare(insertStatement())) {
        report.refusal = failure(insert.lastError().text());
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
            report.refusal = failure(insert.lastError().text());
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
}

} // namespace molvera
