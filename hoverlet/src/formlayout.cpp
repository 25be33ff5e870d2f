#include "valuetext.h"

#include <hoverlet/formlayout.h>

#include <QStringList>

namespace hoverlet {

const HostedControl *FormLayout::control(QStringView name) const
{
    for (const HostedControl &hosted : controls) {
        if (hosted.name.compare(name, Qt::CaseInsensitive) == 0)
            return &hosted;
    }
    return nullptr;
}

QString FormLayout::toText() const
{
    QString text;
    for (const HostedControl &hosted : controls) {
        text += QStringLiteral("Begin ") + hosted.className + u' ' + hosted.name + u'\n';
        const QStringList names = hosted.bag.names();
        for (const QString &name : names)
            text += QStringLiteral("   ") +
                    valuetext::formatAssignment(name, hosted.bag.read(name, QVariant())) + u'\n';
        text += QStringLiteral("End\n");
    }
    return text;
}

namespace {

bool isClassName(QStringView name)
{
    // "Library.Class": names joined by dots.
    const QList<QStringView> parts = name.split(u'.');
    for (const QStringView part : parts) {
        if (!valuetext::isValidName(part))
            return false;
    }
    return true;
}

QList<QStringView> splitWords(QStringView line)
{
    QList<QStringView> result;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool space = i == line.size() || line[i].isSpace();
        if (!space && start < 0)
            start = i;
        if (space && start >= 0) {
            result.append(line.mid(start, i - start));
            start = -1;
        }
    }
    return result;
}

} // namespace

std::optional<FormLayout> FormLayout::fromText(QStringView text, QString *error)
{
    FormLayout layout;
    std::optional<HostedControl> open;
    int lineNumber = 0;
    int openedAt = 0;
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(lineNumber).arg(why);
        return std::nullopt;
    };

    for (const QStringView rawLine : text.split(u'\n')) {
        ++lineNumber;
        const QStringView line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QList<QStringView> words = splitWords(line);
        const QStringView keyword = words.front();

        if (keyword.compare(u"Begin", Qt::CaseInsensitive) == 0 && !line.contains(u'=')) {
            if (open)
                return fail(QStringLiteral("\"Begin\" inside the block of %1, which has no "
                                           "\"End\"")
                                .arg(open->name));
            if (words.size() != 3 || !isClassName(words[1]) || !valuetext::isValidName(words[2]))
                return fail(QStringLiteral("expected \"Begin ClassName ControlName\""));
            if (layout.control(words[2]))
                return fail(QStringLiteral("the control %1 is given twice").arg(words[2]));
            open = HostedControl{words[1].toString(), words[2].toString(), PropertyBag()};
            openedAt = lineNumber;
            continue;
        }
        if (keyword.compare(u"End", Qt::CaseInsensitive) == 0 && words.size() == 1) {
            if (!open)
                return fail(QStringLiteral("\"End\" without \"Begin\""));
            layout.controls.append(std::move(*open));
            open.reset();
            continue;
        }
        if (!open)
            return fail(QStringLiteral("a property outside a \"Begin\" ... \"End\" block"));
        QString why;
        const std::optional<valuetext::Assignment> assignment =
            valuetext::parseAssignment(line, &why);
        if (!assignment)
            return fail(why);
        if (open->bag.contains(assignment->name))
            return fail(QStringLiteral("\"%1\" is given twice").arg(assignment->name));
        open->bag.write(assignment->name, assignment->value, QVariant());
    }
    if (open) {
        lineNumber = openedAt;
        return fail(QStringLiteral("the block of %1 has no \"End\"").arg(open->name));
    }
    return layout;
}

} // namespace hoverlet
