#include "accessibility.h"

#include <ui/pages/calculatorpage.h>

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QValidator>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// A one-line text box, as Qt's own interface shows it, except that a read-only box says so and
// nothing else: it offers no editing, and edits sent to it anyway are refused.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit TextBoxAccessible(QLineEdit *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value)
            edit(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + int(box()->selectedText().size());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        return start > end ? QString() : box()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QString shown = box()->text();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect inside = box()->contentsRect().marginsRemoved(box()->textMargins());
        const QRect glyph(inside.left() + metrics.horizontalAdvance(shown.left(offset)),
                          inside.top(), metrics.horizontalAdvance(shown.at(offset)),
                          metrics.height());
        return {box()->mapToGlobal(glyph.topLeft()), glyph.size()};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

    void deleteText(int start, int end) override { edit(box()->text().remove(start, end - start)); }
    void insertText(int offset, const QString &text) override
    {
        edit(box()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString &text) override
    {
        edit(box()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }

    // The one way text comes in from outside: only into a box the user could type into.
    void edit(QString text)
    {
        if (box()->isReadOnly() || !box()->isEnabled())
            return;
        int position = 0;
        if (const QValidator *validator = box()->validator();
            validator && validator->validate(text, position) != QValidator::Acceptable)
            return;
        box()->setText(text);
    }
};

// A drop-down list named for what it chooses. Qt's own interface names a list on Linux by its
// current item, so that every row's list of a formula would be called by the element it shows.
// What it holds is its text: screen readers read a list's value from its text, or from the text
// box of a list that can be typed into, and would otherwise say only what the list is.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ListAccessible(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value ||
            (kind == QAccessible::Name && list()->accessibleName().isEmpty()))
            return value();
        return QAccessibleWidget::text(kind);
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = list()->isEditable();
        return state;
    }
    // The list of items, then the text box of a list that can be typed into.
    int childCount() const override { return list()->isEditable() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        return list()->isEditable() && child->object() == list()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The value as read-only text, with no selection and the caret at its start.
    QString text(int start, int end) const override
    {
        return start > end ? QString() : value().mid(start, end - start);
    }
    int characterCount() const override { return int(value().size()); }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
    QString value() const
    {
        return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
    }
};

// The tab control's stack of pages: a plain client area (a filler to AT-SPI), which screen readers
// pass over on the way into a page. Qt's own interface makes it an unnamed layered pane, which
// they announce every time.
class PageStackAccessible : public QAccessibleWidget
{
public:
    explicit PageStackAccessible(QStackedWidget *stack)
        : QAccessibleWidget(stack, QAccessible::Client)
    {}
};

// A calculator page without the boxes it keeps its results in, which are never shown.
class PageAccessible : public QAccessibleWidget
{
public:
    explicit PageAccessible(CalculatorPage *page)
        : QAccessibleWidget(page, QAccessible::Client)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const CalculatorPage *>(widget())->caption();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return int(shownChildren().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shownChildren();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shownChildren().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget *> shownChildren() const
    {
        QList<QWidget *> children;
        for (QWidget *child : widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->testAttribute(Qt::WA_DontShowOnScreen))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface *makeInterface(const QString &className, QObject *object)
{
    if (className == "QLineEdit"_L1) {
        // A password box keeps Qt's own interface, which hides what is typed.
        auto *box = static_cast<QLineEdit *>(object);
        return box->echoMode() == QLineEdit::Normal ? new TextBoxAccessible(box) : nullptr;
    }
    if (className == "QComboBox"_L1)
        return new ListAccessible(static_cast<QComboBox *>(object));
    if (className == "QStackedWidget"_L1 && qobject_cast<QTabWidget *>(object->parent()))
        return new PageStackAccessible(static_cast<QStackedWidget *>(object));
    if (className == QLatin1StringView(CalculatorPage::staticMetaObject.className()))
        return new PageAccessible(static_cast<CalculatorPage *>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(&makeInterface);
}

} // namespace molvera
