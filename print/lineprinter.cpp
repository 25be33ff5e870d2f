#include "lineprinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace molvera {

LinePrinter::LinePrinter(QPrinter &printer)
    : m_device(printer)
    , m_printer(&printer)
{}

LinePrinter::LinePrinter(QPagedPaintDevice &device)
    : m_device(device)
{}

LinePrinter::~LinePrinter()
{
    // A job left unfinished is withdrawn rather than sent as half a sheet.
    if (m_painter.isActive()) {
        if (m_printer)
            m_printer->abort();
        m_painter.end();
    }
}

bool LinePrinter::begin()
{
    if (!m_painter.begin(&m_device))
        return false;
    // A printer has no face of its own here, and the painter would start with the application's
    // font, which a program may choose for its screens. Sheets start from the desktop's general
    // face instead; only its size, weight and underline are ever changed.
    m_font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    // Latin text set without ligatures: a PDF made from the sheet, by a PDF printer's filters
    // too, then reads back and searches as written ("auffüllen", not a lone ligature glyph).
    m_font.setStyleStrategy(QFont::PreferNoShaping);
    m_x = 0;
    m_top = 0;
    m_pageFailed = false;
    m_line.clear();
    return true;
}

void LinePrinter::setFontSize(int points)
{
    m_font.setPointSize(points);
}

void LinePrinter::setBold(bool on)
{
    m_font.setBold(on);
}

void LinePrinter::setUnderline(bool on)
{
    m_font.setUnderline(on);
}

qreal LinePrinter::columnWidth() const
{
    return QFontMetricsF(m_font, &m_device).averageCharWidth();
}

qreal LinePrinter::lineHeight() const
{
    return QFontMetricsF(m_font, &m_device).lineSpacing();
}

void LinePrinter::print(int column, std::initializer_list<QStringView> texts, LineEnd end)
{
    if (column != NoColumn)
        m_x = std::max(0, column - 1) * columnWidth();
    const qreal indent = m_x;
    for (const QStringView text : texts)
        place(text, indent);
    if (end == LineEnd::End)
        endLine();
}

void LinePrinter::place(QStringView text, qreal indent)
{
    const QFontMetricsF metrics(m_font, &m_device);
    const auto width = [&metrics](QStringView part) {
        return metrics.horizontalAdvance(part.toString());
    };
    const auto put = [this, &width](QStringView part) {
        m_line.push_back({m_x, m_font, part.toString()});
        m_x += width(part);
    };
    const auto withoutTrailingBlanks = [](QStringView part) {
        while (part.endsWith(u' '))
            part.chop(1);
        return part;
    };
    const qreal right = m_device.pageLayout().paintRectPixels(m_device.logicalDpiX()).width();
    // Blanks past the edge show nothing: a caption's padding is left as it is.
    const auto overflows = [&] {
        const QStringView shown = withoutTrailingBlanks(text);
        return !shown.isEmpty() && m_x + width(shown) > right;
    };
    while (overflows()) {
        // The most characters that fit, found by halving: a typed name can be thousands long.
        qsizetype fits = 0;
        for (qsizetype high = text.size(); fits < high;) {
            const qsizetype middle = (fits + high + 1) / 2;
            if (m_x + width(text.first(middle)) <= right)
                fits = middle;
            else
                high = middle - 1;
        }
        qsizetype taken = 0;
        if (const QStringView line =
                withoutTrailingBlanks(text.first(text.lastIndexOf(u' ', fits) + 1));
            !line.isEmpty()) {
            taken = line.size();
            put(line);
        } else if (m_x <= indent) {
            // A word wider than the whole line: broken where the edge falls, but never inside a
            // character, and at least one character to a line.
            taken = std::max<qsizetype>(fits, 1);
            if (taken < text.size() && text[taken - 1].isHighSurrogate())
                taken += taken > 1 ? -1 : 1;
            put(text.first(taken));
        } // else the word goes whole onto the next line, after the texts before it on this one
        text = text.sliced(taken);
        while (text.startsWith(u' '))
            text = text.sliced(1);
        endLine();
        m_x = indent;
    }
    if (!text.isEmpty())
        put(text);
}

qreal LinePrinter::columnsOf(QStringView text) const
{
    return QFontMetricsF(m_font, &m_device).horizontalAdvance(text.toString()) / columnWidth();
}

void LinePrinter::printEmptyLine()
{
    // Texts left open by a line that was to be continued are ended first.
    if (!m_line.empty())
        endLine();
    endLine();
}

void LinePrinter::endLine()
{
    // Texts of one line share a baseline below the tallest of their fonts; an empty line takes
    // the height of the current font.
    qreal ascent = QFontMetricsF(m_font, &m_device).ascent();
    qreal height = lineHeight();
    if (!m_line.empty()) {
        ascent = 0;
        height = 0;
        for (const Run &run : m_line) {
            const QFontMetricsF metrics(run.font, &m_device);
            ascent = std::max(ascent, metrics.ascent());
            height = std::max(height, metrics.lineSpacing());
        }
    }

    const qreal pageHeight = m_device.pageLayout().paintRectPixels(m_device.logicalDpiY()).height();
    if (m_top > 0 && m_top + height > pageHeight) {
        if (!m_device.newPage())
            m_pageFailed = true;
        m_top = 0;
    }

    for (const Run &run : m_line) {
        m_painter.setFont(run.font);
        m_painter.drawText(QPointF(run.x, m_top + ascent), run.text);
    }
    m_line.clear();
    m_top += height;
    m_x = 0;
}

bool LinePrinter::endDocument()
{
    if (!m_line.empty())
        endLine();
    if (!m_painter.isActive())
        return false;
    const bool ended = m_painter.end();
    const bool printerFailed = m_printer && (m_printer->printerState() == QPrinter::Error ||
                                             m_printer->printerState() == QPrinter::Aborted);
    return ended && !m_pageFailed && !printerFailed;
}

} // namespace molvera
