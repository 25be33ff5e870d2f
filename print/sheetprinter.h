#pragma once

#include <QStringView>

#include <initializer_list>

namespace molvera {

// What a calculation sheet asks of a printer, in the manner of a line printer: lines are set from
// the top of the page, each made of texts from an optional print column, in a font whose size,
// weight and underline can change between texts. The face stays the printer's own.
class SheetPrinter
{
public:
    // Texts printed at NoColumn follow on from where the line stands.
    static constexpr int NoColumn = 0;
    // Continue leaves the line open, so that a change of font can come before its next texts.
    enum class LineEnd { End, Continue };

    virtual ~SheetPrinter() = default;

    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setUnderline(bool on) = 0;

    // Moves to `column`, counted in character widths of the current font from the left edge of
    // the printable area (column 1 is the edge), then prints `texts` one after the other with
    // nothing between them, then ends the line unless told to continue it. Text that would pass
    // the right edge of the printable area wraps at a blank onto the next lines, which start where
    // these texts began; a word wider than all that room is broken where the edge falls. Nothing
    // is cut off.
    virtual void print(int column, std::initializer_list<QStringView> texts,
                       LineEnd end = LineEnd::End) = 0;
    virtual void printEmptyLine() = 0;
    // How many columns of the current font `text` takes.
    virtual qreal columnsOf(QStringView text) const = 0;

    // Ends the document and hands it to the printer; false when the printer reported an error.
    virtual bool endDocument() = 0;

protected:
    SheetPrinter() = default;
    SheetPrinter(const SheetPrinter &) = default;
    SheetPrinter &operator=(const SheetPrinter &) = default;
};

} // namespace molvera
