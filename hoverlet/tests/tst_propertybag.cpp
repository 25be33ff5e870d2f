// The property bag, its text form, and the control's reading and writing of its properties.
#include <hoverlet/hoverlet.h>
#include <hoverlet/propertybag.h>

#include <QLabel>
#include <QTest>

using hoverlet::Hoverlet;
using hoverlet::PropertyBag;

namespace {

QFont font(const QString &family, qreal points, bool bold, bool italic, bool underline)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(false);
    return f;
}

PropertyBag bagOf(const QString &text)
{
    QString error;
    const std::optional<PropertyBag> bag = PropertyBag::fromText(text, &error);
    if (!bag)
        qWarning("%s", qPrintable(error));
    return bag.value_or(PropertyBag());
}

} // namespace

class TestPropertyBag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesHaveAReadableTextForm_data();
    void valuesHaveAReadableTextForm();
    void roundTripThroughText_data();
    void roundTripThroughText();
    void namesAreReadInAnyCase_data();
    void namesAreReadInAnyCase();
    void malformedTextIsRejected_data();
    void malformedTextIsRejected();
    void writingTheDefaultRemoves();
    void changingOneCopyLeavesTheOthers_data();
    void changingOneCopyLeavesTheOthers();
    void valuesWithoutTextFormAreRefused();
    void extentsInHundredthsOfAMillimetre_data();
    void extentsInHundredthsOfAMillimetre();
    void controlWritesOnlyWhatDiffers_data();
    void controlWritesOnlyWhatDiffers();
    void bagLackingCaptionGivesHoverlet();
    void controlReadsEveryProperty();
    void valuesOfTheWrongKindFallBack_data();
    void valuesOfTheWrongKindFallBack();
    void controlRoundTrip();
};

void TestPropertyBag::valuesHaveAReadableTextForm_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("line");
    QTest::newRow("string") << QVariant(u"Kestrova Software"_qs)
                            << u"name = \"Kestrova Software\""_qs;
    QTest::newRow("quote inside a string doubled")
        << QVariant(u"say \"hi\""_qs) << u"name = \"say \"\"hi\"\"\""_qs;
    QTest::newRow("line break as Chr")
        << QVariant(u"one\ntwo"_qs) << u"name = \"one\" & Chr(10) & \"two\""_qs;
    QTest::newRow("empty string") << QVariant(QString()) << u"name = \"\""_qs;
    QTest::newRow("True is -1") << QVariant(true) << u"name = -1"_qs;
    QTest::newRow("False is 0") << QVariant(false) << u"name = 0"_qs;
    QTest::newRow("16-bit integer") << QVariant::fromValue(qint16(-5)) << u"name = -5"_qs;
    QTest::newRow("colour in hexadecimal") << QVariant(0x00FF0000u) << u"name = &H00FF0000&"_qs;
    QTest::newRow("system colour") << QVariant(0x8000000Fu) << u"name = &H8000000F&"_qs;
    QTest::newRow("number") << QVariant(8.25) << u"name = 8.25"_qs;
    QTest::newRow("whole number keeps its point") << QVariant(3.0) << u"name = 3.0"_qs;
    QTest::newRow("font") << QVariant::fromValue(
                                 font(u"MS Sans Serif"_qs, 8.25, false, false, true))
                          << u"name = \"MS Sans Serif\" 8.25 underline"_qs;
    QTest::newRow("bold italic font")
        << QVariant::fromValue(font(u"Fritz-Quad"_qs, 9.75, true, true, false))
        << u"name = \"Fritz-Quad\" 9.75 bold italic"_qs;
}

void TestPropertyBag::valuesHaveAReadableTextForm()
{
    QFETCH(QVariant, value);
    QFETCH(QString, line);
    PropertyBag bag;
    QVERIFY(bag.write(u"Name", value, QVariant()));
    QCOMPARE(bag.toText(), line + u'\n');
}

void TestPropertyBag::roundTripThroughText_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("plain text") << QVariant(u"Hoverlet"_qs);
    QTest::newRow("quotes and equals") << QVariant(u"a \"b\" = c"_qs);
    QTest::newRow("CR LF and tab") << QVariant(u"a\r\nb\tc"_qs);
    QTest::newRow("leading and trailing spaces") << QVariant(u"  padded  "_qs);
    QTest::newRow("hash at the start") << QVariant(u"# not a comment"_qs);
    QTest::newRow("accents") << QVariant(u"Schwefelsäure 98 %"_qs);
    QTest::newRow("surrogate pair") << QVariant(QString::fromUcs4(U"flask \U0001F9EA"));
    QTest::newRow("lone surrogate") << QVariant(QString(QChar(0xD800)));
    QTest::newRow("NUL character") << QVariant(QString(QChar(0)));
    QTest::newRow("most negative integer") << QVariant(int(-2147483647 - 1));
    QTest::newRow("colour with every bit") << QVariant(0xFFFFFFFFu);
    QTest::newRow("tiny number") << QVariant(1e-300);
    QTest::newRow("fraction") << QVariant(0.1);
    QTest::newRow("font with strikeout") << QVariant::fromValue([] {
        QFont f = font(u"DejaVu Sans"_qs, 13.5, true, false, true);
        f.setStrikeOut(true);
        return f;
    }());
    QTest::newRow("font family with a quote")
        << QVariant::fromValue(font(u"Odd \"Family\""_qs, 10, false, true, false));
}

void TestPropertyBag::roundTripThroughText()
{
    QFETCH(QVariant, value);
    PropertyBag bag;
    QVERIFY(bag.write(u"Value", value, QVariant()));
    QVERIFY(bag.write(u"_ExtentX", 2566, QVariant()));
    QString error;
    const std::optional<PropertyBag> back = PropertyBag::fromText(bag.toText(), &error);
    QVERIFY2(back, qPrintable(error));
    QVERIFY(*back == bag);
    QCOMPARE(back->read(u"value", QVariant()), value);
    QCOMPARE(back->names(), (QStringList{u"value"_qs, u"_extentx"_qs}));
}

void TestPropertyBag::namesAreReadInAnyCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("asked");
    QTest::newRow("as the control names it") << u"Caption = \"x\""_qs << u"Caption"_qs;
    QTest::newRow("stored upper, asked mixed") << u"CAPTION = \"x\""_qs << u"Caption"_qs;
    QTest::newRow("stored mixed, asked lower") << u"cApTiOn = \"x\""_qs << u"caption"_qs;
    QTest::newRow("extent with underscore") << u"_ExtentX = \"x\""_qs << u"_EXTENTX"_qs;
}

void TestPropertyBag::namesAreReadInAnyCase()
{
    QFETCH(QString, text);
    QFETCH(QString, asked);
    const PropertyBag bag = bagOf(text);
    QVERIFY(bag.contains(asked));
    QCOMPARE(bag.read(asked, QVariant()), QVariant(u"x"_qs));
    QCOMPARE(bag.names(), QStringList{asked.toLower()});
}

void TestPropertyBag::malformedTextIsRejected_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lineNumber");
    const QString first = u"Caption = \"fine\"\n"_qs;
    QTest::newRow("no equals sign") << first + u"Caption \"x\""_qs << u"line 2:"_qs;
    QTest::newRow("name starting with a digit") << first + u"1st = 1"_qs << u"line 2:"_qs;
    QTest::newRow("name with a space") << u"Hover Color = 1"_qs << u"line 1:"_qs;
    QTest::newRow("value missing") << u"Caption ="_qs << u"line 1:"_qs;
    QTest::newRow("unterminated string") << first + u"URL = \"http://x"_qs << u"line 2:"_qs;
    QTest::newRow("bare word") << u"Enabled = True"_qs << u"line 1:"_qs;
    QTest::newRow("junk after a string")
        << first + u"\n\nCaption2 = \"a\" junk"_qs << u"line 4:"_qs;
    QTest::newRow("dangling ampersand") << u"Caption = \"a\" &"_qs << u"line 1:"_qs;
    QTest::newRow("Chr without parentheses") << u"Caption = Chr 10"_qs << u"line 1:"_qs;
    QTest::newRow("Chr beyond Unicode") << u"Caption = Chr(1114112)"_qs << u"line 1:"_qs;
    QTest::newRow("colour with nine digits") << u"HoverColor = &H123456789&"_qs << u"line 1:"_qs;
    QTest::newRow("colour without digits") << u"HoverColor = &H&"_qs << u"line 1:"_qs;
    QTest::newRow("junk after a colour") << u"HoverColor = &HFF& 3"_qs << u"line 1:"_qs;
    QTest::newRow("integer beyond 32 bits") << u"_ExtentX = 4294967296"_qs << u"line 1:"_qs;
    QTest::newRow("number beyond double") << u"X = 1e999"_qs << u"line 1:"_qs;
    QTest::newRow("two numbers") << u"X = 1 2"_qs << u"line 1:"_qs;
    QTest::newRow("font without size") << u"Font = \"Arial\" bold"_qs << u"line 1:"_qs;
    QTest::newRow("font of size zero") << u"Font = \"Arial\" 0"_qs << u"line 1:"_qs;
    QTest::newRow("font of absurd size") << u"Font = \"Arial\" 99999"_qs << u"line 1:"_qs;
    QTest::newRow("font with unknown style") << u"Font = \"Arial\" 9 wavy"_qs << u"line 1:"_qs;
    QTest::newRow("font without family") << u"Font = \"\" 9"_qs << u"line 1:"_qs;
    QTest::newRow("same name twice in other case")
        << first + u"CAPTION = \"again\""_qs << u"line 2:"_qs;
    QTest::newRow("CR LF lines still counted")
        << u"A = 1\r\nB = 2\r\nC = ?\r\n"_qs << u"line 3:"_qs;
}

void TestPropertyBag::malformedTextIsRejected()
{
    QFETCH(QString, text);
    QFETCH(QString, lineNumber);
    QString error;
    QVERIFY(!PropertyBag::fromText(text, &error));
    QVERIFY2(error.startsWith(lineNumber), qPrintable(error));
    QVERIFY(error.size() > lineNumber.size() + 3);
    QVERIFY(!PropertyBag::fromText(text)); // no error wanted: still no crash
}

void TestPropertyBag::writingTheDefaultRemoves()
{
    PropertyBag bag;
    QVERIFY(bag.write(u"HoverColor", 0x00808080u, 255u));
    QVERIFY(bag.contains(u"hovercolor"));
    QVERIFY(bag.write(u"HOVERCOLOR", 255u, 255u));
    QVERIFY(!bag.contains(u"hovercolor"));
    QVERIFY(bag.toText().isEmpty());
    // A boolean default matches its stored -1.
    QVERIFY(bag.write(u"Enabled", true, -1));
    QVERIFY(bag.names().isEmpty());
}

// Copies share their data until one is changed: every change detaches the changed bag only, and
// a moved-from bag keeps its properties.
enum class BagChange { Write, WriteDefault, Remove, Extent, AmbientFont, MoveFrom };
Q_DECLARE_METATYPE(BagChange)

void TestPropertyBag::changingOneCopyLeavesTheOthers_data()
{
    QTest::addColumn<BagChange>("change");
    QTest::newRow("write") << BagChange::Write;
    QTest::newRow("write the default") << BagChange::WriteDefault;
    QTest::newRow("remove") << BagChange::Remove;
    QTest::newRow("extent") << BagChange::Extent;
    QTest::newRow("ambient font") << BagChange::AmbientFont;
    QTest::newRow("move from") << BagChange::MoveFrom;
}

void TestPropertyBag::changingOneCopyLeavesTheOthers()
{
    QFETCH(BagChange, change);
    PropertyBag original = bagOf(u"Caption = \"Link\"\n_ExtentX = 2566\n"_qs);
    original.setAmbientFont(QFont(u"Ambient"_qs));
    const PropertyBag copy = original;
    PropertyBag changed = original;
    switch (change) {
    case BagChange::Write:
        changed.write(u"caption", u"Other"_qs, QVariant());
        break;
    case BagChange::WriteDefault:
        changed.write(u"caption", u"Link"_qs, u"Link"_qs);
        break;
    case BagChange::Remove:
        changed.remove(u"caption");
        break;
    case BagChange::Extent:
        changed.setExtent(QSize(10, 10));
        break;
    case BagChange::AmbientFont:
        changed.setAmbientFont(QFont(u"Other"_qs));
        break;
    case BagChange::MoveFrom: {
        const PropertyBag taken(std::move(changed));
        QCOMPARE(changed, taken);
        break;
    }
    }
    for (const PropertyBag *unchanged : {static_cast<const PropertyBag *>(&original), &copy}) {
        QCOMPARE(unchanged->toText(), u"caption = \"Link\"\n_extentx = 2566\n"_qs);
        QCOMPARE(unchanged->ambientFont().family(), u"Ambient"_qs);
    }
}

void TestPropertyBag::valuesWithoutTextFormAreRefused()
{
    PropertyBag bag;
    QVERIFY(!bag.write(u"Where", QPoint(1, 2), QVariant()));
    QVERIFY(!bag.write(u"Big", qint64(1) << 40, QVariant()));
    QVERIFY(!bag.write(u"NotANumber", qQNaN(), QVariant()));
    QVERIFY(!bag.write(u"bad name", 1, QVariant()));
    QVERIFY(!bag.write(u"", 1, QVariant()));
    QVERIFY(bag.names().isEmpty());
}

void TestPropertyBag::extentsInHundredthsOfAMillimetre_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<int>("extentX");
    QTest::addColumn<int>("extentY");
    QTest::newRow("new instance, 1215 by 495 twips") << QSize(81, 33) << 2143 << 873;
    QTest::newRow("header link, 1455 by 255 twips") << QSize(97, 17) << 2566 << 450;
    QTest::newRow("one pixel, 15 twips") << QSize(1, 1) << 26 << 26;
    QTest::newRow("empty") << QSize(0, 0) << 0 << 0;
    QTest::newRow("a wide window") << QSize(1280, 800) << 33867 << 21167;
}

void TestPropertyBag::extentsInHundredthsOfAMillimetre()
{
    QFETCH(QSize, pixels);
    QFETCH(int, extentX);
    QFETCH(int, extentY);
    PropertyBag bag;
    bag.setExtent(pixels);
    QCOMPARE(bag.read(u"_ExtentX", QVariant()), QVariant(extentX));
    QCOMPARE(bag.read(u"_ExtentY", QVariant()), QVariant(extentY));
    QCOMPARE(bagOf(bag.toText()).extent(), std::optional<QSize>(pixels));
}

void TestPropertyBag::controlWritesOnlyWhatDiffers_data()
{
    QTest::addColumn<QVariantMap>("changes");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("nothing changed") << QVariantMap() << QStringList();
    QTest::newRow("hover colour only")
        << QVariantMap{{u"HoverColor"_qs, 0x0080FF80u}} << QStringList{u"hovercolor"_qs};
    QTest::newRow("caption and URL, URL first")
        << QVariantMap{{u"Caption"_qs, u"x"_qs}, {u"URL"_qs, u"mailto:a@b.example"_qs}}
        << QStringList{u"url"_qs, u"caption"_qs};
    QTest::newRow("all but the font, in their order")
        << QVariantMap{{u"BackColor"_qs, 0u},          {u"Enabled"_qs, false},
                       {u"CheckHover"_qs, false},      {u"HoverColor"_qs, 1u},
                       {u"HoverUnderline"_qs, false},  {u"NormalColor"_qs, 2u},
                       {u"NormalUnderline"_qs, false}, {u"URL"_qs, u"mailto:a@b.example"_qs},
                       {u"Caption"_qs, u"x"_qs}}
        << QStringList{u"backcolor"_qs,   u"enabled"_qs,         u"font"_qs,
                       u"checkhover"_qs,  u"hovercolor"_qs,      u"hoverunderline"_qs,
                       u"normalcolor"_qs, u"normalunderline"_qs, u"url"_qs,
                       u"caption"_qs};
}

void TestPropertyBag::controlWritesOnlyWhatDiffers()
{
    QFETCH(QVariantMap, changes);
    QFETCH(QStringList, names);
    Hoverlet link;
    // The host's font, as the control shows it in its normal look.
    PropertyBag bag(link.linkFont());
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        QVERIFY(link.setProperty(it.key().toLatin1().constData(), it.value()));
    link.writeProperties(bag);
    // NormalUnderline False takes the underline off the shown font, so Font differs then.
    QCOMPARE(bag.names(), names);
}

void TestPropertyBag::bagLackingCaptionGivesHoverlet()
{
    Hoverlet link;
    link.setCaption(u"something else"_qs);
    link.readProperties(bagOf(u"URL = \"https://kestrova.example/\"\nNormalColor = &H8000&"_qs));
    QCOMPARE(link.caption(), u"Hoverlet"_qs);
    QCOMPARE(link.url(), u"https://kestrova.example/"_qs);
}

void TestPropertyBag::controlReadsEveryProperty()
{
    const PropertyBag bag = bagOf(uR"(
        backcolor = &H00C0C0C0&
        Enabled = 0
        Font = "Fritz-Quad" 9.75 bold underline
        CheckHover = 0
        HoverColor = &H0080FF80&
        HoverUnderline = 0
        NormalColor = &H00008000&
        NormalUnderline = 0
        URL = "https://kestrova.example/"
        Caption = "Kestrova Software"
    )"_qs);
    Hoverlet link;
    link.readProperties(bag);
    QCOMPARE(link.backColor(), 0x00C0C0C0u);
    QCOMPARE(link.isLinkEnabled(), false);
    QCOMPARE(link.linkFont().family(), u"Fritz-Quad"_qs);
    QCOMPARE(link.linkFont().pointSizeF(), 9.75);
    QVERIFY(link.linkFont().bold());
    QCOMPARE(link.checkHover(), false);
    QCOMPARE(link.hoverColor(), 0x0080FF80u);
    QCOMPARE(link.hoverUnderline(), false);
    QCOMPARE(link.normalColor(), 0x00008000u);
    QCOMPARE(link.normalUnderline(), false);
    QCOMPARE(link.url(), u"https://kestrova.example/"_qs);
    QCOMPARE(link.caption(), u"Kestrova Software"_qs);
}

void TestPropertyBag::valuesOfTheWrongKindFallBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("colour given as text")
        << u"HoverColor = \"red\""_qs << QByteArray("HoverColor") << QVariant(255u);
    QTest::newRow("colour as signed integer keeps its bits")
        << u"BackColor = -2147483633"_qs << QByteArray("BackColor") << QVariant(0x8000000Fu);
    QTest::newRow("boolean given as text")
        << u"Enabled = \"no\""_qs << QByteArray("Enabled") << QVariant(true);
    QTest::newRow("any non-zero is True")
        << u"CheckHover = 1"_qs << QByteArray("CheckHover") << QVariant(true);
    QTest::newRow("caption given as number")
        << u"Caption = 42"_qs << QByteArray("Caption") << QVariant(u"42"_qs);
    QTest::newRow("caption given as font")
        << u"Caption = \"Arial\" 9"_qs << QByteArray("Caption") << QVariant(u"Hoverlet"_qs);
}

void TestPropertyBag::valuesOfTheWrongKindFallBack()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    Hoverlet link;
    link.readProperties(bagOf(text));
    QCOMPARE(link.property(property.constData()), expected);
}

void TestPropertyBag::controlRoundTrip()
{
    QFont ambient = font(u"DejaVu Sans"_qs, 8.25, false, false, false);
    Hoverlet first;
    first.setCaption(u"Line one\nline \"two\""_qs);
    first.setHoverColor(0x0080FF80u);
    first.setNormalUnderline(false);
    first.setLinkFont(font(u"DejaVu Serif"_qs, 11, true, false, false));
    PropertyBag written(ambient);
    first.writeProperties(written);

    QString error;
    std::optional<PropertyBag> read = PropertyBag::fromText(written.toText(), &error);
    QVERIFY2(read, qPrintable(error));
    read->setAmbientFont(ambient);
    Hoverlet second;
    second.readProperties(*read);
    PropertyBag rewritten(ambient);
    second.writeProperties(rewritten);
    QCOMPARE(rewritten.toText(), written.toText());
    QCOMPARE(second.caption(), first.caption());
}

QTEST_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"
