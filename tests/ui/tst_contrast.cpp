#include "uitest.h"

#include <hoverlet/olecolor.h>
#include <ui/aboutbox.h>
#include <ui/mainwindow.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The palettes the window must read under: the default light one, a dark one and the two
// high-contrast ones. Each gives the colours of its roles; a role left out keeps the default's.
enum class Scheme { Light, Dark, BlackOnWhite, WhiteOnBlack };

QPalette paletteOf(Scheme scheme)
{
    QPalette palette = QApplication::style()->standardPalette();
    const auto set = [&palette](std::initializer_list<std::pair<QPalette::ColorRole, QColor>> roles,
                                const QColor &disabledText) {
        for (const auto &[role, colour] : roles)
            palette.setColor(role, colour);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, disabledText);
    };
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    switch (scheme) {
    case Scheme::Light:
        break;
    case Scheme::Dark: {
        const QColor face(49, 54, 59);
        const QColor text(239, 240, 241);
        set({{QPalette::Window, face},
             {QPalette::WindowText, text},
             {QPalette::Base, QColor(35, 38, 41)},
             {QPalette::AlternateBase, face},
             {QPalette::Text, text},
             {QPalette::Button, face},
             {QPalette::ButtonText, text},
             {QPalette::Light, QColor(71, 78, 85)},
             {QPalette::Midlight, QColor(60, 66, 72)},
             {QPalette::Mid, QColor(37, 41, 44)},
             {QPalette::Dark, QColor(26, 29, 31)},
             {QPalette::Shadow, QColor(16, 18, 19)},
             {QPalette::Highlight, QColor(61, 174, 233)},
             {QPalette::HighlightedText, text},
             {QPalette::Link, QColor(41, 128, 185)},
             {QPalette::ToolTipBase, face},
             {QPalette::ToolTipText, text}},
            QColor(161, 169, 177));
        break;
    }
    case Scheme::BlackOnWhite:
    case Scheme::WhiteOnBlack: {
        const bool dark = scheme == Scheme::WhiteOnBlack;
        const QColor face = dark ? black : white;
        const QColor ink = dark ? white : black;
        set({{QPalette::Window, face},
             {QPalette::WindowText, ink},
             {QPalette::Base, face},
             {QPalette::AlternateBase, face},
             {QPalette::Text, ink},
             {QPalette::Button, face},
             {QPalette::ButtonText, ink},
             {QPalette::Light, face},
             {QPalette::Midlight, face},
             {QPalette::Mid, ink},
             {QPalette::Dark, ink},
             {QPalette::Shadow, ink},
             {QPalette::Highlight, ink},
             {QPalette::HighlightedText, face},
             {QPalette::Link, dark ? QColor(255, 255, 0) : QColor(0, 0, 238)},
             {QPalette::ToolTipBase, face},
             {QPalette::ToolTipText, ink}},
            QColor(dark ? 160 : 96, dark ? 160 : 96, dark ? 160 : 96));
        break;
    }
    }
    return palette;
}

// Where a widget draws its text, in its own coordinates; none for a widget that shows no text.
QList<QRect> textAreas(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text().isEmpty() ? QList<QRect>{} : QList<QRect>{label->contentsRect()};
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text().isEmpty() ? QList<QRect>{}
                                      : QList<QRect>{edit->rect().adjusted(3, 3, -3, -3)};
    if (auto *edit = qobject_cast<QTextEdit *>(widget)) {
        if (edit->toPlainText().isEmpty())
            return {};
        return {edit->viewport()->geometry()};
    }
    if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return {radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio)};
    }
    if (auto *tool = qobject_cast<QToolButton *>(widget)) {
        const int line = tool->fontMetrics().height();
        return {QRect(3, tool->height() - line - 4, tool->width() - 6, line + 1)};
    }
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return {button->rect().adjusted(4, 4, -4, -4)};
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (combo->isEditable() || combo->currentText().isEmpty())
            return {};
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return {combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                               QStyle::SC_ComboBoxEditField, combo)};
    }
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QFont bold = frame->font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        return {QRect(6, 0, metrics.horizontalAdvance(frame->title()) + 4, metrics.height())};
    }
    if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
        QList<QRect> areas;
        for (int index = 0; index < tabs->count(); ++index)
            areas.append(tabs->tabRect(index).adjusted(6, 6, -6, -6));
        return areas;
    }
    return {};
}

struct Reading
{
    QColor text;
    QColor background;
    double ratio = 1;
};

// The background is the commonest colour of the area, the text the colour that stands out most
// from it among those drawn on more than one pixel.
Reading read(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    Reading reading;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            reading.background = QColor(it.key());
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = hoverlet::contrastRatio(QColor(it.key()), reading.background);
        if (it.value() > 1 && ratio > reading.ratio) {
            reading.ratio = ratio;
            reading.text = QColor(it.key());
        }
    }
    return reading;
}

// A form of the program as the user sees it after working on it: a page after its example, or
// one of the about boxes.
enum class Form { MolarPage, PercentPage, HydratePage, AboutBox, HoverletAbout };

QWidget *openForm(molvera::MainWindow *window, Form form)
{
    static const QString examples[] = {u"cmdExample"_s, u"cmdEgConc"_s, u"cmdHEg"_s};
    const int page = std::min(int(form), 2);
    window->findChild<QTabWidget *>(u"SSTab1"_s)->setCurrentIndex(page);
    if (!uitest::showActive(window))
        return nullptr;
    switch (form) {
    case Form::MolarPage:
    case Form::PercentPage:
    case Form::HydratePage:
        window->findChild<QToolButton *>(examples[page])->click();
        QApplication::focusWidget()->clearFocus();
        return window;
    case Form::AboutBox:
        window->findChild<QToolButton *>(u"cmdAbout"_s)->click();
        return window->findChild<molvera::AboutBox *>();
    case Form::HoverletAbout:
        QMetaObject::invokeMethod(window->findChild<QWidget *>(u"Hoverlet1"_s), "ShowAbout");
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->inherits("hoverlet::AboutBox") && top->isVisible())
                return top;
        }
        break;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Scheme)
Q_DECLARE_METATYPE(Form)

class TestContrast : public QObject
{
    Q_OBJECT

private:
    // Every visible, enabled text of `form` that reads below 4.5:1, as drawn, by the name of its
    // control and of the control's parent.
    static QStringList unreadable(QWidget *form)
    {
        // Drawn three times as fine, so that even a thin glyph covers whole pixels in its colour.
        constexpr int Scale = 3;
        QImage image(form->size() * Scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(Scale);
        form->render(&image);
        QStringList faults;
        for (QWidget *widget : form->findChildren<QWidget *>()) {
            if (!widget->isVisible() || !widget->isEnabled())
                continue;
            for (const QRect &area : textAreas(widget)) {
                const QRect inForm(widget->mapTo(form, area.topLeft()) * Scale,
                                   area.size() * Scale);
                const Reading reading = read(image, inForm.intersected(image.rect()));
                if (reading.ratio < 4.5) {
                    faults << u"%1/%2 %3 on %4: %5"_s
                                  .arg(widget->parentWidget()->objectName(), widget->objectName(),
                                       reading.text.name(), reading.background.name())
                                  .arg(reading.ratio, 0, 'f', 2);
                }
            }
        }
        return faults;
    }

private Q_SLOTS:
    void initTestCase()
    {
        uitest::setUpProgram();
        QApplication::setStyle(u"Fusion"_s);
    }
    void cleanup()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            top->close();
        uitest::flushDeletes();
        QApplication::setPalette(paletteOf(Scheme::Light));
    }

    void everyTextReads_data()
    {
        QTest::addColumn<Scheme>("scheme");
        QTest::addColumn<Form>("form");
        QTest::addColumn<bool>("switchedWhileOpen"); // built under the light palette first
        const std::pair<const char *, Scheme> schemes[] = {
            {"light", Scheme::Light},
            {"dark", Scheme::Dark},
            {"black on white", Scheme::BlackOnWhite},
            {"white on black", Scheme::WhiteOnBlack}};
        const std::pair<const char *, Form> forms[] = {
            {"molar page", Form::MolarPage},
            {"% page", Form::PercentPage},
            {"hydrate page", Form::HydratePage},
            {"about box", Form::AboutBox},
            {"hoverlet's about box", Form::HoverletAbout}};
        for (const auto &[schemeName, scheme] : schemes) {
            for (const auto &[formName, form] : forms)
                QTest::addRow("%s, %s", schemeName, formName) << scheme << form << false;
        }
        QTest::newRow("the desktop turns dark over the molar page")
            << Scheme::Dark << Form::MolarPage << true;
        QTest::newRow("the desktop turns dark over the about box")
            << Scheme::Dark << Form::AboutBox << true;
    }
    void everyTextReads()
    {
        QFETCH(Scheme, scheme);
        QFETCH(Form, form);
        QFETCH(bool, switchedWhileOpen);
        if (!switchedWhileOpen)
            QApplication::setPalette(paletteOf(scheme));
        molvera::MainWindow window;
        QWidget *shown = openForm(&window, form);
        QVERIFY(shown && QTest::qWaitForWindowExposed(shown));
        if (switchedWhileOpen) {
            QApplication::setPalette(paletteOf(scheme));
            QTest::qWait(20); // the new palette reaches the widgets through the event loop
        }
        if (const QString shots = qEnvironmentVariable("MOLVERA_CONTRAST_SHOTS"); !shots.isEmpty())
            shown->grab().save(
                u"%1/%2.png"_s.arg(shots, QLatin1StringView(QTest::currentDataTag())));

        QStringList faults = unreadable(shown);
        // The header link keeps the green of the design on the light face, which falls just
        // short: the light look stays exactly as it was.
        const QStringList link = faults.filter(u"Hoverlet1/lblLink #008000 on #efefef"_s);
        if (scheme == Scheme::Light && form <= Form::HydratePage) {
            QEXPECT_FAIL("", "the header link's green on the light button face reads at 4.47:1",
                         Continue);
        }
        QVERIFY2(link.isEmpty(), qPrintable(link.join(u"; ")));
        for (const QString &fault : link)
            faults.removeOne(fault);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; ")));
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
