#include "forms.h"
#include "uitest.h"

#include <ui/app/translations.h>
#include <ui/window/mainwindow.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using uitest::Form;
using uitest::openForm;

namespace {

// One entry of a catalogue.
struct Message
{
    QString source;
    QString translation;
    bool finished = false;
};

// The entries of translations/molvera_<language>.ts; each plural form an entry of its own.
QList<Message> catalogue(const QString &language)
{
    QFile file(QStringLiteral(MOLVERA_TRANSLATIONS_DIR "/molvera_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no catalogue %s", qPrintable(file.fileName()));
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    bool plural = false;
    int forms = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == "message"_L1) {
            messages.append(Message{});
            plural = xml.attributes().value("numerus"_L1) == "yes"_L1;
            forms = 0;
        } else if (xml.name() == "source"_L1) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == "translation"_L1) {
            messages.back().finished = xml.attributes().value("type"_L1).isEmpty();
            if (!plural)
                messages.back().translation = xml.readElementText();
        } else if (xml.name() == "numerusform"_L1) {
            if (forms++ > 0)
                messages.append(messages.back());
            messages.back().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(xml.errorString()));
    return messages;
}

// The room a control's text needs and the room it has, in pixels, in the control's own font.
std::pair<int, int> room(QWidget *widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const auto width = [&metrics](const QString &text) {
        return metrics.size(Qt::TextShowMnemonic, text).width();
    };
    const QString text = widget->property("text").toString();
    if (auto *label = qobject_cast<QLabel *>(widget); label && label->wordWrap())
        return {metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, text).height(),
                label->contentsRect().height()};
    if (auto *label = qobject_cast<QLabel *>(widget))
        return {width(text), label->contentsRect().width()};
    if (qobject_cast<QRadioButton *>(widget))
        return {widget->sizeHint().width(), widget->width()};
    if (qobject_cast<QAbstractButton *>(widget)) // within its 3-pixel frame
        return {width(text), widget->width() - 6};
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) { // bold, from 6 pixels in, padded
        QFont bold = frame->font();
        bold.setBold(true);
        return {QFontMetrics(bold).horizontalAdvance(frame->title()) + 10, frame->width()};
    }
    if (auto *list = qobject_cast<QComboBox *>(widget); list && !list->isEditable()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        return {width(list->currentText()), list->style()
                                                ->subControlRect(QStyle::CC_ComboBox, &option,
                                                                 QStyle::SC_ComboBoxEditField, list)
                                                .width()};
    }
    if (auto *method = qobject_cast<QTextEdit *>(widget)) // whole, without scrolling
        return {method->verticalScrollBar()->maximum(), 0};
    auto *tabs = qobject_cast<QTabBar *>(widget);
    for (int index = 0; tabs && index < tabs->count(); ++index) {
        if (width(tabs->tabText(index)) + 12 > tabs->tabRect(index).width())
            return {width(tabs->tabText(index)) + 12, tabs->tabRect(index).width()};
    }
    return {0, 0};
}

// Every text a form shows or gives screen readers, by control (its name, else its class).
QMap<QString, QString> visibleTexts(QWidget *form)
{
    QMap<QString, QString> texts{{u"title"_s, form->windowTitle()}};
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        const QString path = widget->objectName().isEmpty()
                                 ? QLatin1StringView(widget->metaObject()->className())
                                 : widget->objectName();
        const bool typed =
            qobject_cast<QLineEdit *>(widget) && widget->objectName() != "txtName"_L1;
        for (const char *property : {"text", "title", "toolTip", "accessibleName"}) {
            if (widget->isVisible() && !(typed && qstrcmp(property, "text") == 0))
                texts[path + u'/' + QLatin1StringView(property)] =
                    widget->property(property).toString();
        }
        auto *tabs = qobject_cast<QTabBar *>(widget);
        for (int index = 0; tabs && index < tabs->count(); ++index)
            texts[path + u'/' + QString::number(index)] = tabs->tabText(index);
    }
    return texts;
}

// Where a line could part a number from its unit in an instruction of another language: a
// breaking space between them (or the sheet's line end), or a break after the slash of "m/V".
QStringList unitBreaks(const QString &instructions)
{
    static const QRegularExpression parted(u"\\d[ \\n](m?L|g|M|%|mol/L)(?!\\p{L})"_s);
    static const QRegularExpression slash(u"\\p{L}/(?!\u2060)\\p{L}"_s);
    QStringList found;
    for (const QRegularExpression *breaking : {&parted, &slash}) {
        for (const QRegularExpressionMatch &match : breaking->globalMatch(instructions))
            found << match.captured();
    }
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

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
        qDeleteAll(qApp->findChildren<QObject *>(u"molvera-translation"_s));
    }

    // Every entry translated, with the places and the line breaks of its source.
    void catalogueComplete_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "fr", "es", "it", "pt_BR"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void catalogueComplete()
    {
        QFETCH(QString, language);
        QStringList faults;
        for (const Message &message : catalogue(language)) {
            if (!message.finished || message.translation.isEmpty())
                faults << u"unfinished: "_s + message.source;
            for (const QString &mark : {u"%1"_s, u"%2"_s, u"%3"_s, u"%4"_s, u"%5"_s, u"\n"_s}) {
                if (message.source.count(mark) != message.translation.count(mark))
                    faults << u"%1 differs: %2"_s.arg(mark, message.source);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Every text of the three pages and the about box translated and whole within its box, the
    // access keys unique, every number with its unit on one line. One language:
    // tst_translations everyTextTranslatedAndFits:de
    void everyTextTranslatedAndFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es", "it", "pt_BR"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyTextTranslatedAndFits()
    {
        QFETCH(QString, language);
        const bool english = language == "en"_L1;
        QStringList faults, keptEnglish; // sources whose translation is the English on purpose
        for (const Message &message : english ? QList<Message>() : catalogue(language)) {
            if (message.translation == message.source)
                keptEnglish << message.source;
        }

        // Names, symbols, units and numbers stay as they are.
        static const QRegularExpression notLanguage(u"^([^A-Za-z]*|mL|(molvera|kestrova).*)$"_s,
                                                    QRegularExpression::CaseInsensitiveOption);
        for (const Form form : {Form::MolarPage, Form::PercentPage, Form::HydratePage,
                                Form::AboutBox, Form::HydrateOutOfDate}) {
            molvera::MainWindow inEnglish;
            const auto englishTexts = visibleTexts(openForm(&inEnglish, form));
            QCOMPARE(molvera::installTranslations(*qApp, QLocale(language)),
                     english ? QString() : QLocale(language).name());
            molvera::MainWindow window;
            QWidget *shown = openForm(&window, form);
            QVERIFY(shown);
            const auto texts = visibleTexts(shown);
            for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
                const QString text = it.value();
                if (!english && text == englishTexts.value(it.key()) &&
                    !notLanguage.match(text).hasMatch() && !keptEnglish.contains(text))
                    faults << u"still English: %1 \"%2\""_s.arg(it.key(), text);
            }
            QHash<int, QString> accessKeys;
            for (QWidget *widget : shown->findChildren<QWidget *>()) {
                if (!widget->isVisible())
                    continue;
                const QString text = widget->property("text").toString();
                // Out of date, a sentence that fills its box gives a line to the words that say
                // so, and scrolls; the English examples' sentences leave that line free.
                const bool mayScroll =
                    !english && form == Form::HydrateOutOfDate && qobject_cast<QTextEdit *>(widget);
                if (const auto [needs, has] = room(widget); needs > has && !mayScroll)
                    faults << u"%1 \"%2\" needs %3 pixels, has %4"_s.arg(
                        widget->objectName(), text, QString::number(needs), QString::number(has));
                const auto *menu = qobject_cast<QMenu *>(widget); // its entries, among themselves
                QStringList keyed{text};
                for (const QAction *action : menu ? menu->actions() : QList<QAction *>())
                    keyed << action->text();
                QHash<int, QString> menuKeys;
                QHash<int, QString> &keys = menu ? menuKeys : accessKeys;
                for (const QString &caption : std::as_const(keyed)) {
                    const int key = QKeySequence::mnemonic(caption)[0].toCombined();
                    if (key && keys.contains(key))
                        faults << u"the access key of %1 is also %2's"_s.arg(caption, keys[key]);
                    keys[key] = caption;
                }
                // The instructions on the page, and on the sheet, whose print lines are joined
                // at their line ends. English keeps its sentences exactly.
                if (qobject_cast<QTextEdit *>(widget) && !english) {
                    QString printed;
                    for (const char *line : {"txtD", "txtC", "txtH"}) {
                        for (int n = 1; n <= 3; ++n) {
                            if (auto *box = shown->findChild<QLineEdit *>(QLatin1StringView(line) +
                                                                          QString::number(n));
                                box && box->parentWidget()->isVisible())
                                printed += box->text() + u'\n';
                        }
                    }
                    // The raw text: toPlainText() turns no-break spaces into plain ones.
                    const QString method =
                        static_cast<QTextEdit *>(widget)->document()->toRawText();
                    for (const QString &apart : unitBreaks(method + u'\n' + printed))
                        faults << u"%1 may break at \"%2\""_s.arg(widget->objectName(), apart);
                }
            }
            cleanup();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
