#include "pagewidgets.h"

#include "framebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace molvera {

namespace {

// One line of a method box: the pitch of the 8-point bitmap face the boxes were designed with.
constexpr int MethodLineTwips = 195;

template<typename Widget> Widget *place(Widget *widget, QStringView name, const TwipRect &rect)
{
    widget->setObjectName(name.toString());
    widget->setGeometry(rect.toPixels());
    return widget;
}

void setBold(QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

} // namespace

QLabel *addLabel(QWidget *parent, QStringView name, const QString &text, const TwipRect &rect)
{
    return place(new QLabel(text, parent), name, rect);
}

QLineEdit *addTextBox(QWidget *parent, QStringView name, const QString &text, const TwipRect &rect,
                      const QString &toolTip)
{
    auto *box = place(new QLineEdit(text, parent), name, rect);
    box->setToolTip(toolTip);
    return box;
}

QLineEdit *addOutputBox(QWidget *parent, QStringView name, const TwipRect &rect)
{
    auto *box = place(new QLineEdit(parent), name, rect);
    setReadOnlyLook(box, true);
    return box;
}

QLineEdit *addHiddenBox(QWidget *parent, QStringView name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name.toString());
    box->setVisible(false);
    return box;
}

QGroupBox *addFrame(QWidget *parent, QStringView name, const QString &caption, const TwipRect &rect)
{
    return place(new FrameBox(caption, parent), name, rect);
}

QRadioButton *addOption(QWidget *parent, QStringView name, const QString &caption,
                        const TwipRect &rect)
{
    return place(new QRadioButton(caption, parent), name, rect);
}

QPushButton *addBoldButton(QWidget *parent, QStringView name, const QString &caption,
                           const TwipRect &rect, const QString &toolTip)
{
    auto *button = place(new QPushButton(caption, parent), name, rect);
    setBold(button);
    button->setToolTip(toolTip);
    return button;
}

QTextEdit *addMethodBox(QWidget *parent, QStringView name, const TwipRect &rect)
{
    auto *box = place(new QTextEdit(parent), name, rect);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QTextEdit::WidgetWidth);
    box->setAcceptRichText(false);
    // The box was sized for four lines of a 13-pixel bitmap face; the substitute faces leave more
    // room between lines, so the lines are set at the old pitch and the margin kept thin.
    box->document()->setDocumentMargin(1);
    setBold(box);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    palette.setColor(QPalette::Text, DarkRed);
    box->setPalette(palette);
    return box;
}

void setMethodText(QTextEdit *box, const QString &text)
{
    box->setPlainText(text);
    QTextBlockFormat lines;
    lines.setLineHeight(twipsToPixels(MethodLineTwips), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(box->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(lines);
}

void setReadOnlyLook(QLineEdit *box, bool readOnly)
{
    box->setReadOnly(readOnly);
    QPalette palette = box->palette();
    const QPalette defaults = box->parentWidget() ? box->parentWidget()->palette() : QPalette();
    palette.setColor(QPalette::Base,
                     readOnly ? defaults.color(QPalette::Window) : defaults.color(QPalette::Base));
    box->setPalette(palette);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

} // namespace molvera
