#pragma once

#include <QPageSize>
#include <QString>
#include <QStringView>

#include <optional>

class QDate;
class QLocale;

namespace molvera {

struct CalculationSheet;

// The paper a sheet saved as PDF is set on: Letter where `locale` measures in US units, A4
// everywhere else.
QPageSize::PageSizeId sheetPaper(const QLocale &locale);

// Writes the sheet, dated `date` with the names of `locale`, as a one-page PDF at `path`, on the
// paper of `locale`: the same lines, faces, sizes and columns that Print sends. The file is
// written whole or not at all, and a file already at `path` stays as it was until the new one is
// complete. Returns why it could not be written, in the system's words, or nothing.
std::optional<QString> saveSheetPdf(const CalculationSheet &sheet, const QString &path,
                                    const QDate &date, const QLocale &locale);

// The file name proposed for a saved sheet: the chemical formula (or `pageName` when there is
// none) and the date, as in "H2SO4 2026-12-07.pdf". Characters that some file systems refuse are
// replaced by "_", and a leading dot, which would hide the file, is dropped.
QString sheetFileName(QStringView formula, QStringView pageName, const QDate &date);

} // namespace molvera
