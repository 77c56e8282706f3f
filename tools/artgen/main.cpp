// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// artgen: paints Ashfever's window backgrounds, icons and small pictures.
// Usage: artgen OUTPUT_FOLDER (the folder is created if missing; existing pictures are replaced)
#include "doublesizename.h"
#include "icofile.h"
#include "pictures.h"
#include "render.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {
bool writeWindowsIcon(const QDir &out, QString *error)
{
    QList<QImage> images;
    for (int size : windowsIconSizes) {
        const Picture face{QString(), {size, size}, [size](QPainter &p) { paintFace(p, size); }};
        images.append(render(face, 1));
    }
    const QByteArray bytes = windowsIcon(images, error);
    if (bytes.isEmpty())
        return false;
    const QString path = out.filePath(QStringLiteral("icons/ashfever.ico"));
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("не удалось создать папку для %1").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown on screen, so the generator also runs where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Запуск: artgen ПАПКА_ДЛЯ_КАРТИНОК\n");
        return 2;
    }
    const QDir out(args.at(1));
    QString error;
    for (const Picture &picture : catalogue()) {
        bool ok = save(render(picture, 1), out.filePath(picture.fileName), &error);
        if (ok && picture.doubleSize)
            ok = save(render(picture, 2), out.filePath(Pictures::doubleSizeName(picture.fileName)),
                      &error);
        if (!ok) {
            std::fprintf(stderr, "artgen: %s\n", qPrintable(error));
            return 1;
        }
    }
    if (!writeWindowsIcon(out, &error)) {
        std::fprintf(stderr, "artgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
