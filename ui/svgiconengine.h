#pragma once

#include <QIconEngine>
#include <QString>

namespace molvera {

// Renders an SVG resource at the size asked for, on first use, and greys it when disabled.
class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(const QString &resourcePath);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;

private:
    QString m_path;
};

} // namespace molvera
