#include "action.h"

#include <QKeySequence>

#include <array>
#include <utility>

namespace monkey {

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<std::pair<ActionKind, QStringView>, 9> KindNames{{
    {ActionKind::Click, u"click"},
    {ActionKind::DoubleClick, u"doubleclick"},
    {ActionKind::RightClick, u"rightclick"},
    {ActionKind::Wheel, u"wheel"},
    {ActionKind::Type, u"type"},
    {ActionKind::Commit, u"commit"},
    {ActionKind::Paste, u"paste"},
    {ActionKind::Key, u"key"},
    {ActionKind::Close, u"close"},
}};

QString keyText(int key, Qt::KeyboardModifiers modifiers)
{
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(key)))
        .toString(QKeySequence::PortableText);
}

QString unescapeText(QStringView quoted)
{
    QString text;
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        const QChar c = quoted[i];
        if (c != u'\\' || i + 1 == quoted.size()) {
            text += c;
            continue;
        }
        const QChar next = quoted[++i];
        if (next == u'u' && quoted.size() >= i + 5) {
            text += QChar(quoted.mid(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else if (next == u'n') {
            text += u'\n';
        } else if (next == u't') {
            text += u'\t';
        } else if (next == u'r') {
            text += u'\r';
        } else {
            text += next; // \\ and \"
        }
    }
    return text;
}

// Splits at blanks outside double quotes; a quoted token keeps its quotes.
QStringList tokens(const QString &line)
{
    QStringList list;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'\\' && i + 1 < line.size()) {
            current += c;
            current += line[++i];
            continue;
        }
        if (c == u'"')
            quoted = !quoted;
        if (c == u' ' && !quoted) {
            if (!current.isEmpty())
                list.append(std::exchange(current, {}));
            continue;
        }
        current += c;
    }
    if (!current.isEmpty())
        list.append(current);
    return list;
}

} // namespace

QString escapeText(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            escaped += u'\\' + QString(c);
        else if (c == u'\n')
            escaped += u"\\n"_s;
        else if (c == u'\t')
            escaped += u"\\t"_s;
        else if (c == u'\r')
            escaped += u"\\r"_s;
        else if (c.isPrint() && !c.isSurrogate() && c != u'\u00a0')
            escaped += c;
        else
            escaped += u"\\u%1"_s.arg(uint(c.unicode()), 4, 16, QChar(u'0'));
    }
    return escaped;
}

QString formatAction(const Action &action)
{
    QString line;
    for (const auto &[kind, name] : KindNames) {
        if (kind == action.kind)
            line = name.toString();
    }
    if (action.kind == ActionKind::Key)
        line += u' ' + keyText(action.key, action.modifiers);
    else
        line += u' ' + action.target + u" at %1,%2"_s.arg(action.at.x()).arg(action.at.y());
    if (action.kind == ActionKind::Wheel)
        line += u" delta %1"_s.arg(action.delta);
    if (action.kind == ActionKind::Type || action.kind == ActionKind::Commit ||
        action.kind == ActionKind::Paste) {
        line += u" text \""_s + escapeText(action.text) + u'"';
        if (action.repeat != 1)
            line += u" times %1"_s.arg(action.repeat);
    }
    if (action.answer != 0)
        line += u" answer %1"_s.arg(action.answer);
    return line;
}

std::optional<Action> parseAction(const QString &line)
{
    const QStringList parts = tokens(line);
    if (parts.isEmpty())
        return std::nullopt;
    Action action;
    bool known = false;
    for (const auto &[kind, name] : KindNames) {
        if (parts[0] == name) {
            action.kind = kind;
            known = true;
        }
    }
    if (!known || parts.size() < 2)
        return std::nullopt;
    qsizetype next = 2;
    if (action.kind == ActionKind::Key) {
        const QKeySequence sequence =
            QKeySequence::fromString(parts[1], QKeySequence::PortableText);
        if (sequence.isEmpty())
            return std::nullopt;
        action.key = sequence[0].key();
        action.modifiers = sequence[0].keyboardModifiers();
    } else {
        action.target = parts[1];
    }
    for (; next + 1 < parts.size(); next += 2) {
        const QString &name = parts[next];
        const QString &value = parts[next + 1];
        if (name == u"at") {
            const QStringList xy = value.split(u',');
            if (xy.size() != 2)
                return std::nullopt;
            action.at = {xy[0].toInt(), xy[1].toInt()};
        } else if (name == u"delta") {
            action.delta = value.toInt();
        } else if (name == u"text" && value.size() >= 2) {
            action.text = unescapeText(QStringView(value).mid(1, value.size() - 2));
        } else if (name == u"times") {
            action.repeat = value.toInt();
        } else if (name == u"answer") {
            action.answer = value.toInt();
        } else {
            return std::nullopt;
        }
    }
    return action;
}

} // namespace monkey
