#include "units.h"
#include "valuetext.h"

#include <hoverlet/propertybag.h>

#include <QList>
#include <QStringList>
#include <QWidget>

#include <utility>

namespace hoverlet {

namespace {

constexpr QStringView ExtentX = u"_extentx";
constexpr QStringView ExtentY = u"_extenty";

} // namespace

class PropertyBag::Private : public QSharedData
{
public:
    qsizetype indexOf(QStringView name) const
    {
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (entries[i].first.compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }

    QFont ambientFont;
    QList<std::pair<QString, QVariant>> entries; // lower-case names, in writing order
};

PropertyBag::PropertyBag()
    : d(new Private)
{}

PropertyBag::PropertyBag(const QFont &ambientFont)
    : d(new Private)
{
    d->ambientFont = ambientFont;
}

PropertyBag::PropertyBag(const PropertyBag &other) = default;
PropertyBag &PropertyBag::operator=(const PropertyBag &other) = default;
PropertyBag::~PropertyBag() = default;

PropertyBag::PropertyBag(PropertyBag &&other) noexcept
    : d(other.d)
{}

PropertyBag &PropertyBag::operator=(PropertyBag &&other) noexcept
{
    d.swap(other.d);
    return *this;
}

QFont PropertyBag::ambientFont() const
{
    return d->ambientFont;
}

void PropertyBag::setAmbientFont(const QFont &font)
{
    d->ambientFont = font;
}

bool PropertyBag::contains(QStringView name) const
{
    return d->indexOf(name) >= 0;
}

QStringList PropertyBag::names() const
{
    QStringList result;
    result.reserve(d->entries.size());
    for (const auto &entry : std::as_const(d->entries))
        result << entry.first;
    return result;
}

QVariant PropertyBag::read(QStringView name, const QVariant &defaultValue) const
{
    const qsizetype i = d->indexOf(name);
    return i >= 0 ? d->entries[i].second : defaultValue;
}

bool PropertyBag::write(QStringView name, const QVariant &value, const QVariant &defaultValue)
{
    if (!valuetext::isValidName(name))
        return false;
    const std::optional<QVariant> stored = valuetext::normalized(value);
    if (!stored)
        return false;
    const qsizetype i = d.constData()->indexOf(name);
    const std::optional<QVariant> fallback = valuetext::normalized(defaultValue);
    if (fallback && *fallback == *stored) {
        if (i >= 0)
            d->entries.removeAt(i);
        return true;
    }
    if (i >= 0)
        d->entries[i].second = *stored;
    else
        d->entries.append({name.toString().toLower(), *stored});
    return true;
}

void PropertyBag::remove(QStringView name)
{
    if (const qsizetype i = d.constData()->indexOf(name); i >= 0)
        d->entries.removeAt(i);
}

std::optional<QSize> PropertyBag::extent() const
{
    const QVariant x = read(ExtentX, QVariant());
    const QVariant y = read(ExtentY, QVariant());
    if (x.metaType().id() != QMetaType::Int || y.metaType().id() != QMetaType::Int)
        return std::nullopt;
    const int width = twipsToPixels(himetricToTwips(x.toInt()));
    const int height = twipsToPixels(himetricToTwips(y.toInt()));
    if (width < 0 || height < 0 || width > QWIDGETSIZE_MAX || height > QWIDGETSIZE_MAX)
        return std::nullopt;
    return QSize(width, height);
}

void PropertyBag::setExtent(const QSize &pixels)
{
    // Hosts always keep the size, so there is no default to leave out.
    write(ExtentX, twipsToHimetric(pixelsToTwips(pixels.width())), QVariant());
    write(ExtentY, twipsToHimetric(pixelsToTwips(pixels.height())), QVariant());
}

QString PropertyBag::toText() const
{
    QString text;
    for (const auto &[name, value] : std::as_const(d->entries))
        text += valuetext::formatAssignment(name, value) + u'\n';
    return text;
}

std::optional<PropertyBag> PropertyBag::fromText(QStringView text, QString *error)
{
    PropertyBag bag;
    int lineNumber = 0;
    for (const QStringView rawLine : text.split(u'\n')) {
        ++lineNumber;
        const QStringView line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QString why;
        std::optional<valuetext::Assignment> assignment = valuetext::parseAssignment(line, &why);
        if (assignment && bag.contains(assignment->name))
            why = QStringLiteral("\"%1\" is given twice").arg(assignment->name);
        if (!assignment || !why.isEmpty()) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(lineNumber).arg(why);
            return std::nullopt;
        }
        bag.d->entries.append({assignment->name, assignment->value});
    }
    return bag;
}

bool operator==(const PropertyBag &a, const PropertyBag &b)
{
    if (a.d->entries.size() != b.d->entries.size())
        return false;
    for (const auto &[name, value] : std::as_const(a.d->entries)) {
        const qsizetype i = b.d->indexOf(name);
        if (i < 0 || b.d->entries[i].second != value)
            return false;
    }
    return true;
}

} // namespace hoverlet
