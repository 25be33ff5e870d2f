#pragma once

#include <QString>

// While it lives, this process cannot create files in `folder`: the folder is made read-only,
// and root, whom a folder's mode does not stop, has its files checked as the user nobody (the
// file system user id of the calling thread; its parent folders must be open to everyone).
class WriteProtection
{
public:
    explicit WriteProtection(const QString &folder);
    ~WriteProtection();

    WriteProtection(const WriteProtection &) = delete;
    WriteProtection &operator=(const WriteProtection &) = delete;

    // False when a file could still be created in the folder.
    bool holds() const { return m_holds; }

private:
    QString m_folder;
    bool m_asNobody = false;
    bool m_holds = false;
};
