#pragma once

#include <ui/widgets/choicecombobox.h>
#include <ui/widgets/twips.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringView>
#include <QTabWidget>

#include <span>
#include <type_traits>
#include <variant>

namespace molvera {

// A form's controls are a table: one row per control, with its name, kind, place, text,
// tool-tip and place in the focus order, written once. buildControls() turns the rows into
// widgets, one factory per kind (makeControl), so that controls of a kind look alike on every
// form.

enum class ControlKind {
    Frame,           // a frame with a bold caption; the InFrame rows after it stand in it
    Label,           // a line of text
    FieldLabel,      // a label naming the control of the next row, for the keyboard and readers
    Paragraph,       // black text, wrapped within the label's width
    Title,           // the program's name, in the title face, bold, dark red
    CentredTitle,    // the same, centred
    Picture,         // the program's picture
    TextBox,         // a box the user types into
    NumberBox,       // the same for a number: its text is written in the program's notation
                     // ("1.00") and shown with the user's decimal separator
    HiddenBox,       // a box never shown, which keeps a text for later
    ResultBox,       // a calculator page's hidden result text
    PrintLine,       // a calculator page's hidden print lines, in order
    MethodBox,       // a calculator page's method sentence (methodbox.h): its frame shows once
                     // there is one
    Option,          // an option button
    DarkRedOption,   // an option button with a dark red caption
    ChoiceBox,       // an editable list that tells a chosen item from a typed text
    PickList,        // a list whose items are the only choices
    CalculateButton, // a calculator page's Calculate button, bold
    OkButton,        // a dialog's default button: it has the focus at first and closes the dialog
    HostedControl,   // a control of the hoverlet library, made from the form's stored layout
    OutputBox,       // a read-only box in the menu colour, such as a row weight
    Tabs,            // the window's tab control
};

// Where a row's control stands: on the form, or in the nearest Frame row above it. Its
// rectangle is measured from the corner of that container.
enum class Placement { OnForm, InFrame };

// The parts of a window's focus order. A calculator page offers its inputs (then its buttons,
// then what comes after them), its read-only boxes and its rarely changed switches; the window
// chains them as MainWindow::setFocusOrder() explains.
enum class FocusSection { NoStop, Inputs, AfterButtons, ReadOnly, Last };

// A control's place in the focus order: its section and its position in that section.
struct TabStop
{
    FocusSection section = FocusSection::NoStop;
    int position = 0;
};

// The member of the form that keeps a row's control, for the form's code to use.
// clang-format off
template<typename Form>
using KeptIn = std::variant<std::monostate, QGroupBox *Form::*, QLabel *Form::*,
                            QLineEdit *Form::*, QRadioButton *Form::*, ChoiceComboBox *Form::*,
                            QComboBox *Form::*, QPushButton *Form::*, QTabWidget *Form::*>;
// clang-format on

template<typename Form> struct ControlRow
{
    QStringView name{}; // the objectName
    ControlKind kind = ControlKind::Label;
    Placement placement = Placement::OnForm;
    TwipRect rect{};
    TabStop tab{};
    KeptIn<Form> keep{};
    // The texts are English, marked for translation in the form's context (QT_TR_NOOP in the
    // form's controls()); buildControls() shows them translated. A NumberBox's text is a number
    // in the program's notation and is not marked.
    const char *text = nullptr; // the caption, or the initial text
    const char *toolTip = nullptr;
    // What screen readers call the control, where its label, caption or kind does not say it.
    const char *accessibleName = nullptr;
};

// What buildControls() made of a row.
struct BuiltControl
{
    QWidget *widget = nullptr;
    ControlKind kind = ControlKind::Label;
    const char *text = nullptr; // as the table has it, untranslated
    TabStop tab;
};

// How a form's table is read: where the form's top is in the coordinates of its OnForm rows (a
// page starts below the tab strip), and the resource holding its hosted controls' stored layout.
struct FormContext
{
    int topTwips = 0;
    QString hostedLayout{};
};

// The control of one row, named, placed and given its tool-tip; nullptr only for a hosted
// control that its layout or library could not provide (after a warning).
QWidget *makeControl(ControlKind kind, QWidget *parent, QStringView name, const TwipRect &rect,
                     const QString &text, const QString &toolTip, const FormContext &context);

// Read-only boxes have the menu colour as background, editable ones the window colour.
void setReadOnlyLook(QLineEdit *box, bool readOnly);
// The name screen readers give the control; an editable list's text box takes it too.
void setAccessibleName(QWidget *control, const QString &name);

// The controls of `controls` in `section`, by their position there.
QList<QWidget *> focusChain(const QList<BuiltControl> &controls, FocusSection section);

// Makes the controls of `rows` on `form`, in the order of the table, and keeps each in its
// member. A row's control is kept in a member of the type its kind makes.
template<typename Form>
QList<BuiltControl> buildControls(Form *form, std::span<const ControlRow<Form>> rows,
                                  const FormContext &context = {})
{
    const auto translated = [](const char *text) { return text ? Form::tr(text) : QString(); };
    QList<BuiltControl> built;
    built.reserve(rows.size());
    QWidget *frame = nullptr;
    for (const ControlRow<Form> &row : rows) {
        const bool inFrame = row.placement == Placement::InFrame;
        Q_ASSERT_X(!inFrame || frame, "buildControls", "a row in a frame before any frame");
        QWidget *parent = inFrame ? frame : form;
        const TwipRect rect = inFrame ? row.rect : row.rect.translated(0, -context.topTwips);
        QWidget *widget = makeControl(row.kind, parent, row.name, rect, translated(row.text),
                                      translated(row.toolTip), context);
        if (row.kind == ControlKind::Frame)
            frame = widget;
        if (widget && !built.isEmpty() && built.back().kind == ControlKind::FieldLabel)
            static_cast<QLabel *>(built.back().widget)->setBuddy(widget);
        if (widget && row.accessibleName)
            setAccessibleName(widget, translated(row.accessibleName));
        std::visit(
            [form, widget](auto member) {
                if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                    using Widget =
                        std::remove_pointer_t<std::remove_reference_t<decltype(form->*member)>>;
                    form->*member = qobject_cast<Widget *>(widget);
                    Q_ASSERT_X(form->*member || !widget, "buildControls",
                               "a control kept in a member of another type");
                }
            },
            row.keep);
        built.append({widget, row.kind, row.text, row.tab});
    }
    return built;
}

} // namespace molvera
