#include "sheetpdf.h"

#include "calculationsheet.h"
#include "lineprinter.h"
#include "sheettexts.h"

#include <QDate>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace molvera {

namespace {

// The margins that the printer and Qt's own PDF output give a sheet: its columns are counted from
// there.
constexpr qreal MarginPoints = 10;

// Longest name base in UTF-8 bytes: with the date and ".pdf" it stays inside the 255 bytes that
// common file systems allow.
constexpr qsizetype MaxBaseBytes = 200;

bool isUnsafeInFileName(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"/\\:*?\"<>|").contains(c);
}

QString fileNameBase(QStringView text)
{
    QString base = text.toString();
    for (QChar &c : base) {
        if (isUnsafeInFileName(c))
            c = u'_';
    }
    while (!base.isEmpty() && (base.front() == u'.' || base.front().isSpace()))
        base.remove(0, 1);
    while (base.toUtf8().size() > MaxBaseBytes)
        base.chop(base.back().isLowSurrogate() ? 2 : 1);
    return base.trimmed();
}

} // namespace

QPageSize::PageSizeId sheetPaper(const QLocale &locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                   : QPageSize::A4;
}

std::optional<QString> saveSheetPdf(const CalculationSheet &sheet, const QString &path,
                                    const QDate &date, const QLocale &locale)
{
    // The sheet goes to a temporary file beside `path`, which takes its place only once it is
    // complete; leaving this function without commit() removes it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setTitle(sheetDocumentName());
        writer.setPageLayout(QPageLayout(
            QPageSize(sheetPaper(locale)), QPageLayout::Portrait,
            QMarginsF(MarginPoints, MarginPoints, MarginPoints, MarginPoints), QPageLayout::Point));
        LinePrinter out(writer);
        if (!printSheetDocument(out, sheet, date, locale)) {
            return file.error() != QFileDevice::NoError ? file.errorString()
                                                        : SheetTexts::tr(SheetTexts::PdfNotMade);
        }
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

QString sheetFileName(QStringView formula, QStringView pageName, const QDate &date)
{
    QString base = fileNameBase(formula);
    if (base.isEmpty())
        base = fileNameBase(pageName);
    return base + u' ' + date.toString(Qt::ISODate) + u".pdf";
}

} // namespace molvera
