// A form's stored layout of hosted controls, and a host form built from one by class name.
#include <hoverlet/componentserver.h>
#include <hoverlet/formlayout.h>
#include <hoverlet/hoverlet.h>
#include <hoverlet/propertybag.h>

#include <QLabel>
#include <QRandomGenerator>
#include <QTest>

using hoverlet::FormLayout;
using hoverlet::Hoverlet;

namespace {

// How a host program keeps the two links of a small form.
const QString TwoLinks = QStringLiteral("# the about form's links\n"
                                        "Begin vbpHoverlet.Hoverlet Hoverlet1\n"
                                        "   _ExtentX = 2355\n"
                                        "   _ExtentY = 450\n"
                                        "   Font = \"MS Sans Serif\" 8.25 underline\n"
                                        "   URL = \"mailto:support@kestrova.example\"\n"
                                        "   Caption = \"Kestrova Software\"\n"
                                        "End\n"
                                        "\n"
                                        "Begin vbpHoverlet.Hoverlet Hoverlet2\n"
                                        "   _ExtentX = 2566\n"
                                        "   _ExtentY = 450\n"
                                        "   NormalColor = &H00008000&\n"
                                        "   HoverColor = &H0080FF80&\n"
                                        "   URL = \"https://kestrova.example/\"\n"
                                        "   Caption = \"www.kestrova.example\"\n"
                                        "End\n");

} // namespace

class TestFormLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void hostFormLoadsTwoLinks();
    void layoutRoundTrip();
    void malformedLayoutIsRejected_data();
    void malformedLayoutIsRejected();
    void damagedTextsAreReadOrRefused_data();
    void damagedTextsAreReadOrRefused();
};

void TestFormLayout::initTestCase()
{
    QCOMPARE(DllRegisterServer(), hoverlet::Result::Ok);
}

void TestFormLayout::hostFormLoadsTwoLinks()
{
    QString error;
    const std::optional<FormLayout> layout = FormLayout::fromText(TwoLinks, &error);
    QVERIFY2(layout, qPrintable(error));
    QCOMPARE(layout->controls.size(), 2);

    // The host: its form's font as ambient font, each control created by its class name.
    QWidget form;
    QFont formFont(u"DejaVu Sans"_qs);
    formFont.setPointSizeF(8.25);
    form.setFont(formFont);
    for (const hoverlet::HostedControl &hosted : layout->controls) {
        hoverlet::PropertyBag bag = hosted.bag;
        bag.setAmbientFont(form.font());
        hoverlet::Result result = hoverlet::Result::False;
        QWidget *control = hoverlet::createControl(hosted.className, &form, bag, &result);
        QCOMPARE(result, hoverlet::Result::Ok);
        QVERIFY(control);
        control->setObjectName(hosted.name);
    }

    const auto *mail = form.findChild<Hoverlet *>(u"Hoverlet1"_qs);
    const auto *web = form.findChild<Hoverlet *>(u"Hoverlet2"_qs);
    QVERIFY(mail && web);
    QCOMPARE(mail->caption(), u"Kestrova Software"_qs);
    QCOMPARE(mail->url(), u"mailto:support@kestrova.example"_qs);
    QCOMPARE(mail->size(), QSize(89, 17)); // 1335 by 255 twips
    QCOMPARE(mail->linkFont().family(), u"MS Sans Serif"_qs);
    QCOMPARE(web->caption(), u"www.kestrova.example"_qs);
    QCOMPARE(web->url(), u"https://kestrova.example/"_qs);
    QCOMPARE(web->size(), QSize(97, 17));
    // Without a stored font the link takes the form's.
    QCOMPARE(web->linkFont().family(), u"DejaVu Sans"_qs);
    // The normal look is on from the moment the control is placed.
    const auto *webLabel = web->findChild<QLabel *>(u"lblLink"_qs);
    QCOMPARE(webLabel->palette().color(webLabel->foregroundRole()), QColor(0, 128, 0));
    QCOMPARE(webLabel->geometry(), QRect(0, 0, 97, 17));
}

void TestFormLayout::layoutRoundTrip()
{
    const std::optional<FormLayout> layout = FormLayout::fromText(TwoLinks);
    QVERIFY(layout);
    QString error;
    const std::optional<FormLayout> again = FormLayout::fromText(layout->toText(), &error);
    QVERIFY2(again, qPrintable(error));
    QCOMPARE(again->toText(), layout->toText());
    QCOMPARE(again->controls.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(again->controls[i].className, layout->controls[i].className);
        QCOMPARE(again->controls[i].name, layout->controls[i].name);
        QVERIFY(again->controls[i].bag == layout->controls[i].bag);
    }
    QVERIFY(again->control(u"hoverlet2"));
    QVERIFY(!again->control(u"Hoverlet3"));
}

void TestFormLayout::malformedLayoutIsRejected_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lineNumber");
    const QString block = u"Begin vbpHoverlet.Hoverlet A\n   Caption = \"a\"\nEnd\n"_qs;
    QTest::newRow("Begin without End")
        << block + u"Begin vbpHoverlet.Hoverlet B\n"_qs << u"line 4:"_qs;
    QTest::newRow("End without Begin") << block + u"End\n"_qs << u"line 4:"_qs;
    QTest::newRow("Begin inside a block")
        << u"Begin vbpHoverlet.Hoverlet A\nBegin vbpHoverlet.Hoverlet B\n"_qs << u"line 2:"_qs;
    QTest::newRow("property outside a block") << block + u"Caption = \"b\"\n"_qs << u"line 4:"_qs;
    QTest::newRow("Begin without control name")
        << u"Begin vbpHoverlet.Hoverlet\nEnd\n"_qs << u"line 1:"_qs;
    QTest::newRow("class name with a space")
        << u"Begin vbp Hoverlet.Hoverlet A\nEnd\n"_qs << u"line 1:"_qs;
    QTest::newRow("same control twice")
        << block + u"Begin vbpHoverlet.Hoverlet a\nEnd\n"_qs << u"line 4:"_qs;
    QTest::newRow("bad value, counted over the whole text")
        << block + u"\nBegin vbpHoverlet.Hoverlet B\n   HoverColor = &HXYZ&\nEnd\n"_qs
        << u"line 6:"_qs;
    QTest::newRow("property twice in a block")
        << u"Begin vbpHoverlet.Hoverlet A\n URL = \"a\"\n url = \"b\"\nEnd\n"_qs << u"line 3:"_qs;
}

void TestFormLayout::malformedLayoutIsRejected()
{
    QFETCH(QString, text);
    QFETCH(QString, lineNumber);
    QString error;
    QVERIFY(!FormLayout::fromText(text, &error));
    QVERIFY2(error.startsWith(lineNumber), qPrintable(error));
}

void TestFormLayout::damagedTextsAreReadOrRefused_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 4u})
        QTest::newRow(qPrintable(u"seed %1"_qs.arg(seed))) << seed;
}

// Stored layouts may be edited by hand or damaged: every damaged text is either read, and then
// written and read back to the same thing, or refused with the line at fault.
void TestFormLayout::damagedTextsAreReadOrRefused()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QString alphabet = u"\"&=# \n\rHhEeBbCc0123456789.-+()_xyzChr\u00e9\U0001F9EA"_qs;
    int read = 0;
    for (int i = 0; i < 500; ++i) {
        QString text = TwoLinks;
        for (int edits = 1 + random.bounded(4); edits > 0; --edits) {
            const auto at = random.bounded(int(text.size()));
            switch (random.bounded(3)) {
            case 0:
                text.remove(at, 1 + random.bounded(6));
                break;
            case 1:
                text.insert(at, alphabet.at(random.bounded(int(alphabet.size()))));
                break;
            default:
                text[at] = alphabet.at(random.bounded(int(alphabet.size())));
                break;
            }
        }
        QString error;
        const std::optional<FormLayout> layout = FormLayout::fromText(text, &error);
        if (!layout) {
            QVERIFY2(error.startsWith(u"line "_qs), qPrintable(error));
            continue;
        }
        ++read;
        const std::optional<FormLayout> again = FormLayout::fromText(layout->toText(), &error);
        QVERIFY2(again, qPrintable(error + u"\n"_qs + layout->toText()));
        QCOMPARE(again->toText(), layout->toText());
    }
    QVERIFY(read > 50); // damage that leaves the text readable is exercised too
}

QTEST_MAIN(TestFormLayout)
#include "tst_formlayout.moc"
