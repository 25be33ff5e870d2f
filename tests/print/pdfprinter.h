#pragma once

#include <QString>

class QPrinter;

// Test printers write A4 PDF files with margins of 20 mm all round, so that the left edge of the
// printable area lies a known distance from the edge of the paper.
constexpr qreal marginMillimetres = 20;
constexpr qreal marginPoints = marginMillimetres / 25.4 * 72;

void setUpPdfPrinter(QPrinter &printer, const QString &pdfPath);
