// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Turning catalogue entries into image files.
#pragma once

#include <QImage>
#include <QString>

struct Picture;

// Paints the picture on a canvas scale times its logical size; JPEG pictures come out opaque.
QImage render(const Picture &picture, int scale);
// Writes the image in the format its suffix names; JPEG always at the same quality.
bool save(const QImage &image, const QString &path, QString *error);
