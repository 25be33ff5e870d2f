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
    const QFontMetricsF metrics(m_font, &m_device);
    for (const QStringView text : texts) {
        Run run{m_x, m_font, text.toString()};
        m_x += metrics.horizontalAdvance(run.text);
        m_line.push_back(std::move(run));
    }
    if (end == LineEnd::End)
        endLine();
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
