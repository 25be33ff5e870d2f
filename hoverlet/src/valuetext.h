#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// The text form of stored property values, shared by PropertyBag and FormLayout.
namespace hoverlet::valuetext {

struct Assignment
{
    QString name; // lower case
    QVariant value;
};

bool isValidName(QStringView name);

// The value in the kind the text form holds (QString, int, double, uint, QFont), or nothing.
std::optional<QVariant> normalized(const QVariant &value);

// "name = value" (`line` already trimmed). On failure `error` says why, without a line number.
std::optional<Assignment> parseAssignment(QStringView line, QString *error);
QString formatAssignment(const QString &name, const QVariant &value);

QString formatValue(const QVariant &value);

} // namespace hoverlet::valuetext
