// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist.h"

#include "pictures.h"

ImageList::ImageList(const QStringList &pictureNames)
{
    for (const QString &name : pictureNames)
        m_images.append(Pictures::load(name));
}

QPixmap ImageList::image(int index) const
{
    return index >= 1 && index <= count() ? m_images.at(index - 1) : QPixmap();
}
