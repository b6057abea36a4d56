#include "online/picture.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap renderPicture(const QString& resource, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}
