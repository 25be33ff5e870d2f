#pragma once

#include <QString>

namespace molvera {

enum class BookState {
    Closed,      // no book open
    Open,        // read and written
    ReadOnly,    // read only: the file or its folder cannot be written to
    NotABook,    // the file is not a molvera book; left as it is
    Damaged,     // a molvera book that cannot be read whole; left as it is
    Newer,       // written by a newer molvera; left as it is
    Unavailable, // cannot be opened or made: no rights, held by another program too long ...
    Connecting,  // a lab book: its server is being asked, off the caller's thread
    Unreachable, // a lab book: its server cannot be reached, refuses the login, does not answer
};

// What opening the book found.
struct BookStatus
{
    BookState state = BookState::Closed;
    QString path;         // the book's file, or a lab book's connection string without its password
    int foundVersion = 0; // the schema version the file has; 0 for a new book or another file
    QString message;      // what is wrong with which file, for the user; empty when all is well

    bool canRead() const { return state == BookState::Open || state == BookState::ReadOnly; }
    bool canWrite() const { return state == BookState::Open; }
};

} // namespace molvera
