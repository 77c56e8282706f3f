// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A list of same-sized pictures addressed by a one-based index.
#pragma once

#include <QPixmap>
#include <QStringList>

class ImageList
{
public:
    explicit ImageList(const QStringList &pictureNames);

    int count() const { return int(m_images.size()); }
    // Image N for index N, 1 to count(); a null pixmap for any other index.
    QPixmap image(int index) const;

private:
    QList<QPixmap> m_images;
};
