#pragma once

#include <QStringList>

class QSqlError;

namespace molvera {

// The one place that says where the SQL of the engines a book can live in differs. Everything
// else the book says is SQL that SQLite and PostgreSQL both accept.
struct SqlDialect
{
    QString driver;         // Qt SQL's driver
    QString connectOptions; // how long a change waits for another program's change to finish
    QString readOnlyOption; // appended to the options to open the book read-only
    // Run on every new connection.
    QStringList sessionSetup;

    // The columns bottleOf() reads, after id: BottleColumns, the times read as text in the book's
    // own form.
    QString bottleFields;

    // Column types.
    QString idColumn; // a key the engine numbers
    QString realType;
    QString timeType;

    // The schema version: where it is read and how it is written (a constant of the code, never
    // input, so it may stand in the statement: PRAGMA takes no bound values).
    QString readVersion;
    QString (*writeVersion)(int version);
    // What marks the book as molvera's.
    QStringList markAsBook;
    // On a server, whether the database holds the mark, and whether it holds a table of bottles,
    // in that order; empty for a file, whose header tells.
    QString findBook;

    // Opens a transaction that writes: SQLite takes the write lock at once, so that two programs
    // never both read and then both wait for each other to write.
    QString beginWrite;
    // Taken in a transaction that makes or migrates the book, so that two programs opening a new
    // server book at once do not both make it; SQLite's write lock does this already.
    QString lockSchema;
    // A check of the book's pages, cheap enough to run at every opening, and the whole check.
    QString quickCheck;
    QString integrityCheck;

    // The engine's reason for a failure, for the user's sentences.
    QString (*reason)(const QSqlError &error);
    // Whether the failure is the engine refusing the change to this user (a server's roles).
    bool (*refusedToUser)(const QSqlError &error);
};

// SQLite through QSQLITE: the version in PRAGMA user_version, the mark in PRAGMA application_id,
// REAL and TEXT columns (times as ISO 8601 text), a busy timeout of 10 s, BEGIN IMMEDIATE. What is
// read from the file before SQLite opens it (bookfile.h) and the in-memory book of starter bottles
// are SQLite's alone.
const SqlDialect &sqliteDialect();

// PostgreSQL through QPSQL: the version in the one-row table molvera_book, which is also the
// mark, DOUBLE PRECISION, TIMESTAMPTZ and an identity column, a lock_timeout of 10 s, a plain
// BEGIN (rows are locked as they are changed) and an advisory lock while the schema changes.
// Both engines read ON CONFLICT (starter_key) DO NOTHING.
const SqlDialect &postgresDialect();

} // namespace molvera
