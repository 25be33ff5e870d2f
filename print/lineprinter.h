#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <QStringView>

#include <vector>

class QPrinter;

namespace molvera {

// Drives a printer the way a line printer is driven: lines from the top of the page, each made of
// texts set one after the other from an optional print column, in a font whose size, weight and
// underline can change between texts. Nothing is wrapped; a line that would pass the bottom of the
// page starts a new one.
class LinePrinter
{
public:
    explicit LinePrinter(QPrinter &printer);
    ~LinePrinter();

    LinePrinter(const LinePrinter &) = delete;
    LinePrinter &operator=(const LinePrinter &) = delete;

    // Starts the print job; false when the printer would not start one.
    bool begin();

    void setPointSize(int points);
    void setBold(bool on);
    void setUnderline(bool on);

    // Columns count character widths of the current font from the left edge of the printable
    // area, column 1 being the edge.
    void moveToColumn(int column);
    void print(QStringView text);
    void endLine();
    // Ends `count` lines with nothing more printed on them.
    void emptyLines(int count);

    // Ends the job and hands it to the printer; false when the printer reported an error or
    // could not start a new page.
    bool endDocument();

    // In device pixels of the printer.
    qreal columnWidth() const;
    qreal lineHeight() const;

private:
    struct Run
    {
        qreal x;
        QFont font;
        QString text;
    };

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    qreal m_x = 0;
    qreal m_top = 0;
    bool m_pageFailed = false;
    std::vector<Run> m_line;
};

} // namespace molvera
