#pragma once
// The program's drawn pictures (SVG in the resources) as pixmaps of a given size.

#include <QPixmap>
#include <QString>

QPixmap renderPicture(const QString& resource, const QSize& size);
