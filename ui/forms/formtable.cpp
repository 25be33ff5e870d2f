#include "formtable.h"

#include "faces.h"
#include "hostedcontrols.h"
#include "methodbox.h"
#include "numberlocale.h"
#include "pictures.h"
#include "readablecolors.h"

#include <hoverlet/olecolor.h>
#include <ui/forms/programinfo.h>
#include <ui/widgets/choicecombobox.h>
#include <ui/widgets/framebox.h>
#include <ui/widgets/inputguard.h>
#include <ui/widgets/tabcontrol.h>

#include <QColor>
#include <QDialog>

#include <algorithm>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

void setBold(QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

QLabel *makeTitle(const QString &text, QWidget *parent)
{
    auto *title = new QLabel(text, parent);
    QFont font(installedFace(u"Comic Sans MS"_s));
    font.setPointSizeF(13.5);
    font.setBold(true);
    title->setFont(font);
    setTextColor(title, DarkRed);
    return title;
}

QLabel *makeParagraph(const QString &text, QWidget *parent)
{
    auto *paragraph = new QLabel(text, parent);
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(paragraph, Qt::black);
    return paragraph;
}

QLineEdit *makeHiddenBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setVisible(false);
    // Never shown: screen readers leave it out too (accessibility.cpp).
    box->setAttribute(Qt::WA_DontShowOnScreen);
    return box;
}

// Tab into a group of options lands on the chosen one and arrows move within the group, as on
// every desktop: whenever an option is chosen, by the user or by code, it becomes the group's
// only tab stop. (Qt moves the stop only when an option takes the focus.)
QRadioButton *makeOption(const QString &caption, QWidget *parent)
{
    auto *option = new QRadioButton(caption, parent);
    QObject::connect(option, &QAbstractButton::toggled, option, [option](bool checked) {
        if (!checked)
            return;
        const auto group =
            option->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        for (QRadioButton *other : group) {
            const Qt::FocusPolicy policy = other->focusPolicy();
            other->setFocusPolicy(other == option ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                  : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    });
    return option;
}

QComboBox *makeChoiceBox(QWidget *parent)
{
    auto *box = new ChoiceComboBox(parent);
    // Typed texts are never added to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    keepChoiceFromWheel(box);
    return box;
}

QPushButton *makeOkButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setDefault(true);
    button->setFocus(Qt::OtherFocusReason);
    if (auto *dialog = qobject_cast<QDialog *>(parent->window()))
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

QWidget *makeWidget(ControlKind kind, QWidget *parent, const QString &text)
{
    switch (kind) {
    case ControlKind::Frame:
        return new FrameBox(text, parent);
    case ControlKind::Label:
    case ControlKind::FieldLabel:
        return new QLabel(text, parent);
    case ControlKind::Paragraph:
        return makeParagraph(text, parent);
    case ControlKind::Title:
        return makeTitle(text, parent);
    case ControlKind::CentredTitle: {
        QLabel *title = makeTitle(text, parent);
        title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return title;
    }
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setPixmap(programIcon().pixmap(32, 32));
        picture->setAccessibleName(ProgramTitle.toString());
        return picture;
    }
    case ControlKind::TextBox:
        return new QLineEdit(text, parent);
    case ControlKind::NumberBox:
        return new QLineEdit(localizedNumber(text), parent);
    case ControlKind::HiddenBox:
    case ControlKind::ResultBox:
    case ControlKind::PrintLine:
        return makeHiddenBox(parent);
    case ControlKind::MethodBox:
        return new MethodBox(parent);
    case ControlKind::Option:
        return makeOption(text, parent);
    case ControlKind::DarkRedOption: {
        QRadioButton *option = makeOption(text, parent);
        setTextColor(option, DarkRed);
        return option;
    }
    case ControlKind::ChoiceBox:
        return makeChoiceBox(parent);
    case ControlKind::PickList: {
        auto *list = new QComboBox(parent);
        keepChoiceFromWheel(list);
        return list;
    }
    case ControlKind::CalculateButton: {
        auto *button = new QPushButton(text, parent);
        setBold(button);
        return button;
    }
    case ControlKind::OkButton:
        return makeOkButton(text, parent);
    case ControlKind::OutputBox: {
        auto *box = new QLineEdit(parent);
        box->setReadOnly(true);
        refuseInputMethodWhenReadOnly(box);
        followPalette(box, [box] { setReadOnlyLook(box, box->isReadOnly()); });
        return box;
    }
    case ControlKind::Tabs:
        return new TabControl(parent);
    case ControlKind::HostedControl:
        break;
    }
    return nullptr;
}

} // namespace

QWidget *makeControl(ControlKind kind, QWidget *parent, QStringView name, const TwipRect &rect,
                     const QString &text, const QString &toolTip, const FormContext &context)
{
    if (kind == ControlKind::HostedControl)
        return placeHostedControl(parent, context.hostedLayout, name, rect, toolTip);

    QWidget *widget = makeWidget(kind, parent, text);
    widget->setObjectName(name.toString());
    widget->setGeometry(rect.toPixels());
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
    return widget;
}

QList<QWidget *> focusChain(const QList<BuiltControl> &controls, FocusSection section)
{
    QList<BuiltControl> stops;
    std::copy_if(controls.begin(), controls.end(), std::back_inserter(stops),
                 [section](const BuiltControl &control) {
                     return control.widget && control.tab.section == section;
                 });
    std::stable_sort(stops.begin(), stops.end(), [](const BuiltControl &a, const BuiltControl &b) {
        return a.tab.position < b.tab.position;
    });
    QList<QWidget *> chain;
    chain.reserve(stops.size());
    for (const BuiltControl &stop : std::as_const(stops))
        chain.append(stop.widget);
    return chain;
}

void setReadOnlyLook(QLineEdit *box, bool readOnly)
{
    box->setReadOnly(readOnly);
    QPalette palette = box->palette();
    const QPalette defaults = box->parentWidget() ? box->parentWidget()->palette() : QPalette();
    const QColor base = defaults.color(readOnly ? QPalette::Window : QPalette::Base);
    palette.setColor(QPalette::Base, base);
    // The text colour is the one meant for boxes; on a menu face that it does not read on, it
    // turns over with the face.
    palette.setColor(QPalette::Text, hoverlet::readableOn(defaults.color(QPalette::Text), base));
    box->setPalette(palette);
}

void setAccessibleName(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

} // namespace molvera
