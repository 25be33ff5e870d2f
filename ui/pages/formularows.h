#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>

#include <array>
#include <span>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace molvera {

struct ElementCount;
struct FormulaPanel;
struct FormulaReading;

// How a page names and places its formula rows inside their frame, in twips from the frame's
// corner. Row n's boxes are named by their prefix and n: cmbEl1, cmbN1 and txtWt1 on one page.
struct FormulaRowsLayout
{
    struct Heading
    {
        QStringView name{};
        int top = 0;
    };

    QStringView elementPrefix{}; // "cmbEl"
    QStringView countPrefix{};   // "cmbN"
    QStringView weightPrefix{};  // "txtWt"
    QStringView totalName{};     // "txtTot"
    int firstRowTop = 0;         // row n stands 360 lower than row n - 1
    int totalTop = 0;
    // "Element", "Number" and "Molecular Weight" over the three columns, and "Total Molecular
    // Weight = " beside the total; a layout without their names has none.
    std::array<Heading, 3> columnHeadings{};
    QStringView totalLabel{};
    // The read-only boxes in the window's focus order: row numbers, 0 for the total.
    std::array<int, 7> readOnlyOrder{1, 2, 3, 4, 5, 6, 0};
};

// Six element rows (element list, count box, weight) and the total of a page's formula, built
// in the page's frame and bound to a FormulaPanel: the controls hold the texts, the panel does
// the arithmetic. A row is committed when a count is chosen from its list or its count box
// loses the focus.
class FormulaRows : public QObject
{
    Q_OBJECT

public:
    static constexpr int RowCount = 6;

    FormulaRows(const FormulaRowsLayout &rowsLayout, QWidget *frame);

    // Rows are numbered 1 to 6.
    QComboBox *elementBox(int row) const;
    QComboBox *countBox(int row) const;
    QLineEdit *weightBox(int row) const;
    QLineEdit *totalBox() const { return m_total; }

    // Recomputes the row's weight from its element and count, then the total.
    void commitRow(int row);
    // Sums the total again from the rows' weights as they stand.
    void recomputeTotal();
    // Commits the row whose count box has the keyboard focus, if any; true if one was.
    bool commitFocusedRow();
    // Chooses the element by its English display text and the count by its text, without
    // committing.
    void setRow(int row, const QString &elementText, const QString &countText);
    // Fills rows 1, 2 ... with the elements and counts of a formula, committing each, and empties
    // the rows after them. The rows must be able to hold them (rowsMisfit()).
    void fill(std::span<const ElementCount> elements);
    // Whether the rows hold the reading's elements with their counts, and the total they give
    // when committed: what fill() would leave, up to the order of the rows.
    bool hold(const FormulaReading &reading) const;
    // No element chosen, every count, weight and the total empty.
    void clear();
    void setRowsEnabled(bool enabled);
    // The count box of the first row with an element and a count that is not a whole number
    // from 1 to 32767, while the rows are in use (shown and enabled); nullptr when there is none.
    QComboBox *countBoxWithBadCount() const;

    // Element and count box of row 1, of row 2, and so on.
    QList<QWidget *> inputFocusOrder() const;
    // The weights and the total, in the layout's order.
    QList<QWidget *> readOnlyFocusOrder() const;

Q_SIGNALS:
    // An element chosen, a count typed or chosen, or the total changed (also when typed in).
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row
    {
        QComboBox *element = nullptr;
        QComboBox *count = nullptr;
        QLineEdit *weight = nullptr;
    };

    FormulaPanel panelFromControls() const;
    int rowOfCountBox(const QObject *object) const;

    std::array<QLabel *, 4> addHeadings(const FormulaRowsLayout &layout, QWidget *frame);

    std::array<Row, RowCount> m_rows{};
    QLineEdit *m_total = nullptr;
    std::array<int, 7> m_readOnlyOrder{};
};

} // namespace molvera
