#pragma once

#include <QString>

#include <optional>

namespace molvera {

// What the first bytes of an SQLite book's file say, read without SQLite, so that nothing can
// write to a file before it is known to be a book.
struct BookFileHeader
{
    bool isBook = false; // an SQLite file with molvera's application id
    int version = 0;     // its schema version
};

// The header, or none when the file cannot be read (the system's reason in error).
std::optional<BookFileHeader> readBookFileHeader(const QString &path, QString *error);

// Whether the user may change the file or folder: the system allows it, and it is not marked
// read-only for everyone (which root's rights would pass over).
bool isChangeable(const QString &path);

} // namespace molvera
