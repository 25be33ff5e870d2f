#pragma once

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Reads back what a printed PDF says, through poppler's pdftotext.
namespace pdftext {

struct Word
{
    QString text;
    int page = 0;
    qreal xMin = 0; // points from the left edge of the paper
    qreal yMin = 0; // points from the top edge of the paper
    qreal xMax = 0;
    qreal yMax = 0;
};

// Empty when pdftotext is not on the PATH.
QString pdfToTextProgram();

// The non-blank lines of the PDF's text laid out as on paper, each with its runs of spaces
// collapsed to one; pages follow one another.
QStringList lines(const QString &pdfPath);

// Every word with its box, in reading order.
QList<Word> words(const QString &pdfPath);

// The first word whose text is `text`, or a word with an empty text.
Word firstWord(const QList<Word> &words, const QString &text);

int pageCount(const QString &pdfPath);

// The size of the first page in points, or an empty size.
QSizeF pageSize(const QString &pdfPath);

} // namespace pdftext
