// Packing several sizes of one icon into a Windows .ico file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Returns the file contents, or an empty array with *error set.
QByteArray windowsIcon(const QList<QImage> &images, QString *error);
