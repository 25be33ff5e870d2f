#include "linkopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace hoverlet {

namespace {

QUrl linkUrl(const QString &address)
{
    const QString text = address.trimmed();
    QUrl url(text, QUrl::TolerantMode);
    if (url.scheme().isEmpty() && text.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        url = QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
    if (!url.isValid())
        return QUrl();
    const QString scheme = url.scheme().toLower();
    if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https"))
        return url.host().isEmpty() ? QUrl() : url;
    if (scheme == QStringLiteral("mailto"))
        return url.path().isEmpty() ? QUrl() : url;
    return QUrl();
}

} // namespace

bool openLink(const QString &address)
{
    const QUrl url = linkUrl(address);
    if (url.isEmpty())
        return false;
    // The desktop's answer is not examined: a link that cannot be opened says nothing.
    QDesktopServices::openUrl(url);
    return true;
}

} // namespace hoverlet
