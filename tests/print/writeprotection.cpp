#include "writeprotection.h"

#include <QDir>
#include <QFile>

#include <sys/fsuid.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

constexpr QFile::Permissions ReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

bool canCreateFileIn(const QString &folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral(".write-probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

} // namespace

WriteProtection::WriteProtection(const QString &folder)
    : m_folder(folder)
{
    QFile::setPermissions(folder, ReadOnly);
    if (geteuid() == 0) {
        setfsuid(Nobody);
        m_asNobody = setfsuid(Nobody) == int(Nobody);
    }
    m_holds = !canCreateFileIn(folder);
}

WriteProtection::~WriteProtection()
{
    if (m_asNobody)
        setfsuid(0);
    QFile::setPermissions(m_folder, ReadOnly | QFile::WriteOwner);
}
