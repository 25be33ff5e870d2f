#include "faces.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace molvera {

QString installedFace(const QString &designFace)
{
    for (const QString &face : QFont::substitutes(designFace)) {
        if (QFontDatabase::hasFamily(face))
            return face;
    }
    return designFace;
}

} // namespace molvera
