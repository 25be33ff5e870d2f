#pragma once

#include <QString>

namespace molvera {

// The one place that says where the SQL of the engines a book can live in differs. Everything
// else the book says is SQL that SQLite and PostgreSQL both accept.
struct SqlDialect
{
    QString driver;         // Qt SQL's driver
    QString connectOptions; // how long a change waits for another program's change to finish
    QString readOnlyOption; // appended to the options to open the book read-only

    // Column types.
    QString idColumn; // a key the engine numbers
    QString realType;
    QString timeType;

    // The schema version: where it is read and how it is written (a constant of the code, never
    // input, so it may stand in the statement: PRAGMA takes no bound values).
    QString readVersion;
    QString (*writeVersion)(int version);
    // What marks the book as molvera's.
    QString markAsBook;

    // Opens a transaction that writes: SQLite takes the write lock at once, so that two programs
    // never both read and then both wait for each other to write.
    QString beginWrite;
    // Makes an INSERT of a starter bottle add nothing when its starter key is there.
    QString insertIfMissing;
    // A check of the book's pages, cheap enough to run at every opening, and the whole check.
    QString quickCheck;
    QString integrityCheck;
};

// SQLite through QSQLITE: the version in PRAGMA user_version, the mark in PRAGMA application_id,
// REAL and TEXT columns (times as ISO 8601 text), a busy timeout of 10 s, BEGIN IMMEDIATE. A
// PostgreSQL dialect would keep the version in a one-row table, use DOUBLE PRECISION,
// TIMESTAMPTZ and an identity column, lock_timeout for the wait, and a plain BEGIN; both engines
// read ON CONFLICT (starter_key) DO NOTHING. What is read from the file before SQLite opens it
// (bookfile.h) and the in-memory book of starter bottles are SQLite's alone.
const SqlDialect &sqliteDialect();

} // namespace molvera
