#include "valuetext.h"

#include <QFont>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <limits>

namespace hoverlet::valuetext {

namespace {

// The largest font the desktop accepts; more is a typing error, not a font.
constexpr double MaxFontPoints = 1638.0;
constexpr char32_t MaxCodePoint = 0x10FFFF;

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int hexDigit(QChar c)
{
    if (isAsciiDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Characters that cannot stand inside a quoted string of a one-line-per-property text.
bool needsChr(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7F || u == 0x85 || u == 0x2028 || u == 0x2029 || c.isSurrogate();
}

// Reads a value from left to right; every failure leaves a message in `error`.
class Reader
{
public:
    Reader(QStringView text, QString *error)
        : m_text(text)
        , m_error(error)
    {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }
    QStringView rest() const { return m_text.mid(m_pos); }
    void skipSpaces()
    {
        while (!atEnd() && peek().isSpace())
            ++m_pos;
    }
    bool take(QChar c)
    {
        if (peek() != c)
            return false;
        ++m_pos;
        return true;
    }
    bool startsWith(QStringView word) const { return rest().startsWith(word, Qt::CaseInsensitive); }
    QStringView token()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && !peek().isSpace())
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }
    void advance(qsizetype n) { m_pos += n; }
    bool fail(const QString &message)
    {
        if (m_error)
            *m_error = message;
        return false;
    }

    std::optional<QString> stringExpression();
    std::optional<QVariant> number();
    std::optional<QVariant> colour();
    std::optional<QVariant> fontAfter(const QString &family);

private:
    bool quoted(QString &out);
    bool chr(QString &out);

    QStringView m_text;
    QString *m_error;
    qsizetype m_pos = 0;
};

bool Reader::quoted(QString &out)
{
    take(u'"');
    for (;;) {
        if (atEnd())
            return fail(QStringLiteral("a string is missing its closing quote"));
        const QChar c = m_text[m_pos++];
        if (c != u'"') {
            out += c;
        } else if (take(u'"')) {
            out += u'"';
        } else {
            return true;
        }
    }
}

bool Reader::chr(QString &out)
{
    advance(3);
    skipSpaces();
    if (!take(u'('))
        return fail(QStringLiteral("Chr must be followed by ( and a character code"));
    skipSpaces();
    char32_t code = 0;
    int digits = 0;
    while (isAsciiDigit(peek()) && digits < 8) {
        code = code * 10 + char32_t(peek().unicode() - u'0');
        advance(1);
        ++digits;
    }
    skipSpaces();
    if (digits == 0 || !take(u')'))
        return fail(QStringLiteral("Chr takes one decimal character code in parentheses"));
    if (code > MaxCodePoint)
        return fail(QStringLiteral("Chr(%1) is not a character").arg(quint32(code)));
    if (code <= 0xFFFF)
        out += QChar(char16_t(code));
    else
        out += QChar::fromUcs4(code);
    return true;
}

std::optional<QString> Reader::stringExpression()
{
    QString result;
    for (;;) {
        skipSpaces();
        if (peek() == u'"') {
            if (!quoted(result))
                return std::nullopt;
        } else if (startsWith(u"chr")) {
            if (!chr(result))
                return std::nullopt;
        } else {
            fail(QStringLiteral("expected a quoted string or Chr(code) after &"));
            return std::nullopt;
        }
        skipSpaces();
        if (!take(u'&'))
            return result;
    }
}

std::optional<QVariant> Reader::number()
{
    const QStringView text = token();
    for (const QChar c : text) {
        if (!isAsciiDigit(c) && c != u'-' && c != u'+' && c != u'.' && c != u'e' && c != u'E') {
            fail(QStringLiteral("\"%1\" is not a number").arg(text));
            return std::nullopt;
        }
    }
    bool ok = false;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    if (text.contains(u'.') || text.contains(u'e', Qt::CaseInsensitive)) {
        const double value = c.toDouble(text, &ok);
        if (!ok || !std::isfinite(value)) {
            fail(QStringLiteral("\"%1\" is not a finite number").arg(text));
            return std::nullopt;
        }
        return QVariant(value);
    }
    const int value = c.toInt(text, &ok);
    if (!ok) {
        fail(QStringLiteral("\"%1\" is not a 32-bit integer").arg(text));
        return std::nullopt;
    }
    return QVariant(value);
}

std::optional<QVariant> Reader::colour()
{
    advance(2);
    quint32 value = 0;
    int digits = 0;
    while (!atEnd() && digits <= 8) {
        const int nibble = hexDigit(peek());
        if (nibble < 0)
            break;
        value = value << 4 | quint32(nibble);
        advance(1);
        ++digits;
    }
    if (digits == 0 || digits > 8) {
        fail(QStringLiteral("a colour takes 1 to 8 hexadecimal digits after &H"));
        return std::nullopt;
    }
    take(u'&');
    skipSpaces();
    if (!atEnd()) {
        fail(QStringLiteral("unexpected \"%1\" after the colour").arg(rest()));
        return std::nullopt;
    }
    return QVariant(value);
}

std::optional<QVariant> Reader::fontAfter(const QString &family)
{
    if (family.trimmed().isEmpty()) {
        fail(QStringLiteral("a font needs a family name"));
        return std::nullopt;
    }
    const QStringView sizeText = token();
    bool ok = false;
    const double points = QLocale::c().toDouble(sizeText, &ok);
    if (!ok || !(points > 0.0 && points <= MaxFontPoints)) {
        fail(QStringLiteral("\"%1\" is not a font size in points (above 0, up to %2)")
                 .arg(sizeText)
                 .arg(MaxFontPoints));
        return std::nullopt;
    }
    QFont font;
    font.setFamily(family);
    font.setPointSizeF(points);
    // Every style is set, so a stored regular font stays regular under a bold form.
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    for (skipSpaces(); !atEnd(); skipSpaces()) {
        const QStringView style = token();
        if (style.compare(u"bold", Qt::CaseInsensitive) == 0)
            bold = true;
        else if (style.compare(u"italic", Qt::CaseInsensitive) == 0)
            italic = true;
        else if (style.compare(u"underline", Qt::CaseInsensitive) == 0)
            underline = true;
        else if (style.compare(u"strikeout", Qt::CaseInsensitive) == 0)
            strikeOut = true;
        else {
            fail(QStringLiteral("\"%1\" is not a font style (bold, italic, underline, strikeout)")
                     .arg(style));
            return std::nullopt;
        }
    }
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return QVariant(font);
}

std::optional<QVariant> parseValue(QStringView text, QString *error)
{
    Reader reader(text, error);
    reader.skipSpaces();
    if (reader.atEnd()) {
        reader.fail(QStringLiteral("the value is missing"));
        return std::nullopt;
    }
    const QChar first = reader.peek();
    if (first == u'"' || reader.startsWith(u"chr")) {
        const std::optional<QString> string = reader.stringExpression();
        if (!string)
            return std::nullopt;
        reader.skipSpaces();
        if (reader.atEnd())
            return QVariant(*string);
        return reader.fontAfter(*string);
    }
    if (reader.startsWith(u"&h"))
        return reader.colour();
    if (isAsciiDigit(first) || first == u'-' || first == u'+' || first == u'.') {
        std::optional<QVariant> value = reader.number();
        reader.skipSpaces();
        if (value && !reader.atEnd()) {
            reader.fail(QStringLiteral("unexpected \"%1\" after the number").arg(reader.rest()));
            return std::nullopt;
        }
        return value;
    }
    reader.fail(QStringLiteral("\"%1\" is not a value (a quoted string, a number, &Hcolour& or "
                               "a font)")
                    .arg(text));
    return std::nullopt;
}

QString formatString(QStringView text)
{
    QStringList parts;
    QString run;
    bool inRun = false;
    const auto closeRun = [&] {
        if (inRun)
            parts << u'"' + run + u'"';
        run.clear();
        inRun = false;
    };
    for (const QChar c : text) {
        if (needsChr(c)) {
            closeRun();
            parts << QStringLiteral("Chr(%1)").arg(c.unicode());
            continue;
        }
        inRun = true;
        run += c;
        if (c == u'"')
            run += u'"';
    }
    closeRun();
    if (parts.isEmpty())
        return QStringLiteral("\"\"");
    return parts.join(QStringLiteral(" & "));
}

QString formatNumber(double value)
{
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    if (!text.contains(u'.') && !text.contains(u'e'))
        text += QStringLiteral(".0");
    return text;
}

QString formatFont(const QFont &font)
{
    double points = font.pointSizeF();
    if (points <= 0.0)
        points = font.pixelSize() * 72.0 / 96.0;
    QString text = formatString(font.family()) + u' ' +
                   QString::number(points, 'g', QLocale::FloatingPointShortest);
    if (font.bold())
        text += QStringLiteral(" bold");
    if (font.italic())
        text += QStringLiteral(" italic");
    if (font.underline())
        text += QStringLiteral(" underline");
    if (font.strikeOut())
        text += QStringLiteral(" strikeout");
    return text;
}

} // namespace

bool isValidName(QStringView name)
{
    if (name.isEmpty() || name.size() > 255 || isAsciiDigit(name.front()))
        return false;
    for (const QChar c : name) {
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != u'_')
            return false;
    }
    return true;
}

std::optional<QVariant> normalized(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::QFont:
        return value;
    case QMetaType::Bool:
        return QVariant(value.toBool() ? -1 : 0);
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
        if (const qlonglong v = value.toLongLong();
            v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return QVariant(int(v));
        return std::nullopt;
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        if (const qulonglong v = value.toULongLong();
            v <= qulonglong(std::numeric_limits<int>::max()))
            return QVariant(int(v));
        return std::nullopt;
    case QMetaType::Float:
    case QMetaType::Double:
        if (const double v = value.toDouble(); std::isfinite(v))
            return QVariant(v);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<Assignment> parseAssignment(QStringView line, QString *error)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) {
        if (error)
            *error = QStringLiteral("expected \"name = value\"");
        return std::nullopt;
    }
    const QStringView name = line.left(equals).trimmed();
    if (!isValidName(name)) {
        if (error)
            *error = QStringLiteral("\"%1\" is not a property name").arg(name);
        return std::nullopt;
    }
    std::optional<QVariant> value = parseValue(line.mid(equals + 1).trimmed(), error);
    if (!value)
        return std::nullopt;
    return Assignment{name.toString().toLower(), std::move(*value)};
}

QString formatValue(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return formatString(value.toString());
    case QMetaType::Int:
        return QString::number(value.toInt());
    case QMetaType::UInt:
        return QStringLiteral("&H%1&").arg(value.toUInt(), 8, 16, QChar(u'0')).toUpper();
    case QMetaType::Double:
        return formatNumber(value.toDouble());
    case QMetaType::QFont:
        return formatFont(value.value<QFont>());
    default:
        return QString();
    }
}

QString formatAssignment(const QString &name, const QVariant &value)
{
    return name + QStringLiteral(" = ") + formatValue(value);
}

} // namespace hoverlet::valuetext
