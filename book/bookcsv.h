#pragma once

#include "bottle.h"

#include <QByteArray>
#include <QList>

namespace molvera {

// The two ways the book's CSV files are written.
enum class CsvDialect {
    Rfc4180,      // RFC 4180 in UTF-8: "," between cells, decimal points
    DecimalComma, // as spreadsheet programs write it where the decimal separator is a comma
                  // (German, French ...): a UTF-8 byte order mark, ";" between cells
};

// A row of a CSV file that cannot be imported, or was not: where, and why.
struct ImportProblem
{
    int line = 0;    // the file's line where the row starts, the header being line 1; 0: the file
    QString column;  // the header's name of the column; empty for the whole row
    QString message; // why, as a sentence for the user

    // "Line 4, column strength: The strength must be more than 0."
    QString sentence() const;
};

// A row read as a bottle, with the line it starts on.
struct CsvBottle
{
    int line = 0;
    Bottle bottle;
};

struct CsvReading
{
    CsvDialect dialect = CsvDialect::Rfc4180;
    QList<CsvBottle> bottles;      // the rows that can be saved, with their formulas' facts
    QList<ImportProblem> problems; // the rows that cannot: a file with any is not imported
};

// The bottles with a header row: the starter file's columns, then molecular weight, waters, CAS,
// location and the dates. A text cell that begins with =, +, - or @ gets an apostrophe before
// it, so that a spreadsheet shows it rather than runs it (and one that begins with an apostrophe
// gets another, so that reading takes off exactly one).
QByteArray writeBookCsv(const QList<Bottle> &bottles, CsvDialect dialect);

// Reads a file of either dialect, telling which from its header row; the columns are found by
// the header's names, in any order. The starter file reads the same way.
CsvReading readBookCsv(const QByteArray &bytes);

} // namespace molvera
