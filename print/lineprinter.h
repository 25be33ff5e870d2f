#pragma once

#include "sheetprinter.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace molvera {

// A SheetPrinter on a QPrinter, or on any other paged device such as a QPdfWriter. A print column
// is one average character width of the current font; a line is as tall as the line spacing of
// its largest text (of the current font when it is empty), and its texts share one baseline. A
// line that would pass the bottom of the page starts a new page.
class LinePrinter final : public SheetPrinter
{
public:
    // A print job: one left unfinished is withdrawn, and the printer's error state counts.
    explicit LinePrinter(QPrinter &printer);
    // A document that the device's owner keeps or discards, such as a PDF written to a file.
    explicit LinePrinter(QPagedPaintDevice &device);
    ~LinePrinter() override;

    LinePrinter(const LinePrinter &) = delete;
    LinePrinter &operator=(const LinePrinter &) = delete;

    // Starts the print job; false when the printer would not start one.
    bool begin();

    void setFontSize(int points) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void print(int column, std::initializer_list<QStringView> texts,
               LineEnd end = LineEnd::End) override;
    void printEmptyLine() override;
    qreal columnsOf(QStringView text) const override;
    bool endDocument() override;

    // In device pixels of the printer, for the current font.
    qreal columnWidth() const;
    qreal lineHeight() const;

private:
    struct Run
    {
        qreal x;
        QFont font;
        QString text;
    };

    // Sets `text` from where the line stands, wrapping as print() says onto lines from `indent`.
    void place(QStringView text, qreal indent);
    void endLine();

    QPagedPaintDevice &m_device;
    QPrinter *m_printer = nullptr; // m_device, when it is a printer
    QPainter m_painter;
    QFont m_font;
    qreal m_x = 0;
    qreal m_top = 0;
    bool m_pageFailed = false;
    std::vector<Run> m_line;
};

} // namespace molvera
