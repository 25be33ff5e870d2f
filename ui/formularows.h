#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <array>

class QComboBox;
class QLineEdit;
class QWidget;

namespace molvera {

struct FormulaPanel;

// How a page names and places its formula rows inside their frame.
struct FormulaRowsLayout
{
    QString elementPrefix; // "cmbEl": the element boxes are cmbEl1 to cmbEl6
    QString countPrefix;   // "cmbN"
    QString weightPrefix;  // "txtWt"
    QString totalName;     // "txtTot"
    int firstRowTop = 0;   // twips from the frame's top: row n stands 360 lower than row n - 1
    int totalTop = 0;      // twips from the frame's top
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
    // Commits the row whose count box has the keyboard focus, if any; true if one was.
    bool commitFocusedRow();
    // Chooses the element and the count by their texts, without committing.
    void setRow(int row, const QString &elementText, const QString &countText);
    // No element chosen, every count, weight and the total empty.
    void clear();
    void setRowsEnabled(bool enabled);

    // Element and count box of row 1, of row 2, and so on.
    QList<QWidget *> inputFocusOrder() const;

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

    std::array<Row, RowCount> m_rows{};
    QLineEdit *m_total = nullptr;
};

} // namespace molvera
