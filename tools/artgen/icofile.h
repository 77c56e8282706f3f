// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Packing several sizes of one icon into a Windows .ico file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Returns the file contents, or an empty array with *error set.
QByteArray windowsIcon(const QList<QImage> &images, QString *error);
