#include "bookfile.h"

#include "bookschema.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace molvera {

std::optional<BookFileHeader> readBookFileHeader(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return BookFileHeader{};
    const auto at = [&](int offset) { return qFromBigEndian<qint32>(header.constData() + offset); };
    return BookFileHeader{at(68) == BookApplicationId, at(60)};
}

bool isChangeable(const QString &path)
{
    const QFileInfo info(path);
    return info.isWritable() &&
           (info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

} // namespace molvera
