// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render.h"

#include "pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

namespace {
// Fixed, so that every run writes the same bytes.
constexpr int jpegQuality = 92;

bool isJpeg(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".jpg"));
}
} // namespace

QImage render(const Picture &picture, int scale)
{
    const bool opaque = isJpeg(picture.fileName);
    QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::black : Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                     QPainter::TextAntialiasing);
    p.scale(scale, scale);
    picture.paint(p);
    p.end();
    return image.convertToFormat(opaque ? QImage::Format_RGB888 : QImage::Format_ARGB32);
}

bool save(const QImage &image, const QString &path, QString *error)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("не удалось создать папку для %1").arg(path);
        return false;
    }
    QImageWriter writer(path, isJpeg(path) ? "jpeg" : "png");
    if (isJpeg(path))
        writer.setQuality(jpegQuality);
    if (!writer.write(image)) {
        *error = QStringLiteral("%1: %2").arg(path, writer.errorString());
        return false;
    }
    return true;
}
