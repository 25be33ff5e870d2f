#include "svgiconengine.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {
// The pictures are designed on a 32 by 32 grid.
constexpr QSize DesignSize{32, 32};
} // namespace

SvgIconEngine::SvgIconEngine(const QString &resourcePath)
    : m_path(resourcePath)
{}

void SvgIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                          QIcon::State state)
{
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
}

QPixmap SvgIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State)
{
    const QString cacheKey = u"molvera-svg:%1:%2x%3:%4"_s.arg(m_path)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(int(mode));
    QPixmap pixmap;
    if (QPixmapCache::find(cacheKey, &pixmap))
        return pixmap;

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(m_path);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    pixmap = QPixmap::fromImage(image);

    if (mode == QIcon::Disabled || mode == QIcon::Selected) {
        QStyleOption option;
        option.palette = QApplication::palette();
        pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

QIconEngine *SvgIconEngine::clone() const
{
    return new SvgIconEngine(m_path);
}

QString SvgIconEngine::key() const
{
    return u"molvera-svg"_s;
}

QList<QSize> SvgIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return {DesignSize};
}

} // namespace molvera
