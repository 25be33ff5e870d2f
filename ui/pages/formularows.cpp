#include "formularows.h"

#include "elementsearch.h"

#include <calc/elementtable.h>
#include <calc/formulapanel.h>
#include <calc/formulareading.h>
#include <calc/periodictable.h>
#include <ui/forms/formtable.h>
#include <ui/forms/numberlocale.h>
#include <ui/widgets/choicecombobox.h>
#include <ui/widgets/inputguard.h>
#include <ui/widgets/twips.h>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

#include <map>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Columns of a row, in twips from the frame's left edge; rows are 288 high and 360 apart.
constexpr int ElementLeft = 120;
constexpr int ElementWidth = 1452;
constexpr int CountLeft = 1800;
constexpr int CountWidth = 612;
constexpr int WeightLeft = 2760;
constexpr int WeightWidth = 852;
constexpr int RowHeight = 288;
constexpr int RowStep = 360;

// The headings over the columns, whose tops each page gives; the weight's takes two lines.
struct ColumnHeading
{
    int left;
    int width;
    int height;
};
constexpr int LineHeight = 252;
constexpr std::array<ColumnHeading, 3> ColumnHeadings{{
    {ElementLeft, 1092, LineHeight},
    {CountLeft, 732, LineHeight},
    {WeightLeft, 852, 492},
}};
constexpr TwipRect TotalLabel{840, 0, 1812, LineHeight};

// The element chosen in a list, found by the symbol its item carries; nullptr while nothing is.
const ElementEntry *chosenElement(const QComboBox *list)
{
    return ElementTable::lookupSymbol(
        toUtf8(list->currentData(ElementSearch::SymbolRole).toString()));
}

} // namespace

FormulaRows::FormulaRows(const FormulaRowsLayout &rowsLayout, QWidget *frame)
    : QObject(frame)
    , m_readOnlyOrder(rowsLayout.readOnlyOrder)
{
    // The lists may show the names in the user's language; each item carries its element's
    // symbol and name, by which the rows and the search find it.
    const std::vector<std::string> elementTexts = ElementTable::listTexts(translatedText);
    const std::span<const ElementEntry> elements = ElementTable::entries();
    const QStringList counts{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s,
                             u"6"_s, u"7"_s, u"8"_s, u"9"_s};
    const FormContext context;
    // Made before the rows, which stand on top where the two-line heading reaches row 1.
    const std::array<QLabel *, 4> headings = addHeadings(rowsLayout, frame);

    for (int index = 0; index < RowCount; ++index) {
        const int top = rowsLayout.firstRowTop + RowStep * index;
        const QString number = QString::number(index + 1);
        Row &row = m_rows[index];

        row.element = new QComboBox(frame);
        row.element->setObjectName(rowsLayout.elementPrefix + number);
        row.element->setGeometry(TwipRect{ElementLeft, top, ElementWidth, RowHeight}.toPixels());
        for (std::size_t item = 0; item < elements.size(); ++item) {
            row.element->addItem(fromUtf8(elementTexts[item]),
                                 QString::fromLatin1(elements[item].symbol));
            row.element->setItemData(
                int(item), fromUtf8(ElementTable::translatedName(elements[item], translatedText)),
                ElementSearch::NameRole);
        }
        row.element->setCurrentIndex(-1);
        row.element->setToolTip(tr("Select an Element"));
        keepChoiceFromWheel(row.element);
        new ElementSearch(row.element);
        //: %1 is the row's number, 1 to 6.
        setAccessibleName(row.element, tr("Element, row %1").arg(number));
        connect(row.element, &QComboBox::currentIndexChanged, this, &FormulaRows::changed);

        // The list offers 1 to 9; anything else is typed.
        auto *count = static_cast<ChoiceComboBox *>(
            makeControl(ControlKind::ChoiceBox, frame, QString(rowsLayout.countPrefix + number),
                        {CountLeft, top, CountWidth, RowHeight}, {},
                        tr("Select the number of elements in this formula"), context));
        count->addItems(counts);
        count->setCurrentIndex(-1);
        count->clearEditText();
        count->installEventFilter(this);
        connect(count, &ChoiceComboBox::itemChosen, this, [this, index] { commitRow(index + 1); });
        connect(count, &QComboBox::currentTextChanged, this, &FormulaRows::changed);
        //: %1 is the row's number, 1 to 6.
        setAccessibleName(count, tr("Number of atoms, row %1").arg(number));
        row.count = count;

        row.weight = static_cast<QLineEdit *>(
            makeControl(ControlKind::OutputBox, frame, QString(rowsLayout.weightPrefix + number),
                        {WeightLeft, top, WeightWidth, RowHeight}, {}, {}, context));
        //: %1 is the row's number, 1 to 6.
        setAccessibleName(row.weight, tr("Molecular weight, row %1").arg(number));
    }
    m_total = static_cast<QLineEdit *>(
        makeControl(ControlKind::OutputBox, frame, rowsLayout.totalName,
                    {WeightLeft, rowsLayout.totalTop, WeightWidth, RowHeight}, {}, {}, context));
    setAccessibleName(m_total, tr("Total molecular weight"));
    connect(m_total, &QLineEdit::textChanged, this, &FormulaRows::changed);

    const std::array<QWidget *, 4> labelled{m_rows[0].element, m_rows[0].count, m_rows[0].weight,
                                            m_total};
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (headings[i])
            headings[i]->setBuddy(labelled[i]);
    }
}

std::array<QLabel *, 4> FormulaRows::addHeadings(const FormulaRowsLayout &layout, QWidget *frame)
{
    // The captions of ColumnHeadings' columns.
    static constexpr std::array<const char *, 3> Captions{
        QT_TR_NOOP("Element"), QT_TR_NOOP("Number"), QT_TR_NOOP("Molecular Weight")};
    const FormContext context;
    std::array<QLabel *, 4> labels{};
    for (std::size_t column = 0; column < ColumnHeadings.size(); ++column) {
        const FormulaRowsLayout::Heading &heading = layout.columnHeadings[column];
        if (heading.name.isEmpty())
            continue;
        const ColumnHeading &design = ColumnHeadings[column];
        labels[column] = static_cast<QLabel *>(
            makeControl(ControlKind::Label, frame, heading.name,
                        {design.left, heading.top, design.width, design.height},
                        tr(Captions[column]), {}, context));
        labels[column]->setWordWrap(design.height > LineHeight);
    }
    if (!layout.totalLabel.isEmpty()) {
        //: The caption left of the total box, which follows it on the same line.
        labels[3] = static_cast<QLabel *>(makeControl(
            ControlKind::Label, frame, layout.totalLabel, TotalLabel.translated(0, layout.totalTop),
            tr("Total Molecular Weight = "), {}, context));
    }
    return labels;
}

QComboBox *FormulaRows::elementBox(int row) const
{
    return m_rows.at(row - 1).element;
}

QComboBox *FormulaRows::countBox(int row) const
{
    return m_rows.at(row - 1).count;
}

QLineEdit *FormulaRows::weightBox(int row) const
{
    return m_rows.at(row - 1).weight;
}

FormulaPanel FormulaRows::panelFromControls() const
{
    FormulaPanel panel;
    for (int index = 0; index < RowCount; ++index) {
        const Row &row = m_rows[index];
        const ElementEntry *element = chosenElement(row.element);
        panel.rows[index].elementText = element ? std::string(element->displayText) : std::string();
        panel.rows[index].countText = toUtf8(row.count->currentText());
        panel.rows[index].weightText = toUtf8(row.weight->text());
    }
    panel.totalText = toUtf8(m_total->text());
    return panel;
}

void FormulaRows::commitRow(int row)
{
    Q_ASSERT(row >= 1 && row <= RowCount);
    FormulaPanel panel = panelFromControls();
    CommitRow(panel, row, userNumberLocale());
    m_rows[row - 1].weight->setText(fromUtf8(panel.rows[row - 1].weightText));
    m_total->setText(fromUtf8(panel.totalText));
}

void FormulaRows::recomputeTotal()
{
    FormulaPanel panel = panelFromControls();
    RecomputeTotal(panel, userNumberLocale());
    m_total->setText(fromUtf8(panel.totalText));
}

QComboBox *FormulaRows::countBoxWithBadCount() const
{
    const QComboBox *first = m_rows.front().count;
    if (!first->isVisibleTo(first->window()) || !first->isEnabled())
        return nullptr;
    const int row = panelFromControls().rowWithBadCount(userNumberLocale());
    return row == 0 ? nullptr : m_rows[row - 1].count;
}

bool FormulaRows::hold(const FormulaReading &reading) const
{
    const NumberLocale locale = userNumberLocale();
    const FormulaPanel shown = panelFromControls();
    if (shown.rowWithBadCount(locale))
        return false;
    std::map<const ElementEntry *, double> held;
    for (const FormulaRow &row : shown.rows) {
        if (const ElementEntry *entry = ElementTable::lookup(row.elementText))
            held[entry] += readCount(row.countText, locale);
    }
    if (rowsMisfit(reading))
        return false;
    std::map<const ElementEntry *, double> read;
    for (const ElementCount &element : reading.elements)
        read[PeriodicTable::listed(*element.element)] += element.count;
    // The total too, as the reading fills the rows: a row's element changed and not committed
    // since leaves the weight of the old one.
    return held == read && shown.totalText == panelOf(reading, locale).totalText;
}

bool FormulaRows::commitFocusedRow()
{
    const int row = rowOfCountBox(m_rows.front().count->window()->focusWidget());
    if (row == 0)
        return false;
    commitRow(row);
    return true;
}

void FormulaRows::setRow(int row, const QString &elementText, const QString &countText)
{
    const Row &target = m_rows.at(row - 1);
    const ElementEntry *entry = ElementTable::lookup(toUtf8(elementText));
    target.element->setCurrentIndex(
        entry ? target.element->findData(QString::fromLatin1(entry->symbol),
                                         ElementSearch::SymbolRole)
              : -1);
    const int countIndex = target.count->findText(countText, Qt::MatchExactly);
    target.count->setCurrentIndex(countIndex);
    if (countIndex < 0)
        target.count->setEditText(countText);
}

void FormulaRows::fill(std::span<const ElementCount> elements)
{
    Q_ASSERT(elements.size() <= std::size_t(RowCount));
    // The rows left over first, so that the last commit sums the total without them.
    for (std::size_t index = elements.size(); index < m_rows.size(); ++index) {
        const Row &row = m_rows[index];
        row.element->setCurrentIndex(-1);
        row.count->setCurrentIndex(-1);
        row.count->clearEditText();
        row.weight->clear();
    }
    for (std::size_t index = 0; index < elements.size(); ++index) {
        const int row = int(index) + 1;
        const ElementEntry *entry = PeriodicTable::listed(*elements[index].element);
        Q_ASSERT(entry);
        setRow(row, fromUtf8(entry->displayText), QString::number(elements[index].count));
        commitRow(row);
    }
}

void FormulaRows::clear()
{
    for (const Row &row : m_rows)
        row.element->setCurrentIndex(-1);
    for (const Row &row : m_rows) {
        row.count->setCurrentIndex(-1);
        row.count->clearEditText();
    }
    m_total->clear();
    for (const Row &row : m_rows)
        row.weight->clear();
}

void FormulaRows::setRowsEnabled(bool enabled)
{
    for (const Row &row : m_rows)
        row.element->setEnabled(enabled);
    for (const Row &row : m_rows)
        row.count->setEnabled(enabled);
}

QList<QWidget *> FormulaRows::inputFocusOrder() const
{
    QList<QWidget *> order;
    for (const Row &row : m_rows)
        order << row.element << row.count;
    return order;
}

QList<QWidget *> FormulaRows::readOnlyFocusOrder() const
{
    QList<QWidget *> order;
    for (const int row : m_readOnlyOrder)
        order << (row == 0 ? m_total : weightBox(row));
    return order;
}

int FormulaRows::rowOfCountBox(const QObject *object) const
{
    for (int index = 0; index < RowCount; ++index) {
        const QComboBox *count = m_rows[index].count;
        if (object && (object == count || object == count->lineEdit()))
            return index + 1;
    }
    return 0;
}

bool FormulaRows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // Opening the count list or switching to another program is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            !QApplication::activePopupWidget()) {
            if (const int row = rowOfCountBox(watched))
                commitRow(row);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace molvera
