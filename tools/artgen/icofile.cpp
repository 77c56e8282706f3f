// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icofile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

namespace {
constexpr int directorySize = 6;
constexpr int entrySize = 16;

struct Entry
{
    QByteArray header; // ICONDIRENTRY with the data offset still to be filled in
    QByteArray data;
};

QByteArray encode(const QImage &image, const char *format, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        *error = writer.errorString();
        return {};
    }
    return buffer.data();
}

void putLe16(QByteArray &bytes, int at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

void putLe32(QByteArray &bytes, int at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// Reads through QByteArray::at(), whose bounds the compiler can see: reading through a raw
// pointer made GCC fear the shared empty array behind an empty QByteArray.
template<typename T>
T getLe(const QByteArray &bytes, int at)
{
    T value = 0;
    for (int i = int(sizeof(T)) - 1; i >= 0; --i)
        value = T(value << 8 | uchar(bytes.at(at + i)));
    return value;
}

// Qt's writer leaves the padding at the end of each transparency mask row uninitialised, so
// two runs would give different files. Clears it; false if the bitmap is not laid out as expected.
bool clearMaskPadding(QByteArray &bitmap, int width, int height)
{
    if (bitmap.size() < 40)
        return false;
    const auto headerSize = getLe<quint32>(bitmap, 0);
    const auto bitCount = getLe<quint16>(bitmap, 14);
    if (bitCount != 32)
        return false;
    const int maskStart = int(headerSize) + width * 4 * height;
    const int maskStride = (width + 31) / 32 * 4;
    if (bitmap.size() != maskStart + maskStride * height)
        return false;
    for (int row = 0; row < height; ++row) {
        for (int i = (width + 7) / 8; i < maskStride; ++i)
            bitmap[maskStart + row * maskStride + i] = '\0';
    }
    return true;
}
} // namespace

// Qt's ICO writer stores one image per file, so each size is written on its own and the
// directory entries are merged. The 256 px image goes in as PNG, as Windows expects for that
// size; a bitmap of it would be a quarter of a megabyte.
QByteArray windowsIcon(const QList<QImage> &images, QString *error)
{
    QList<Entry> entries;
    for (const QImage &image : images) {
        Entry entry;
        if (image.width() >= 256) {
            entry.data = encode(image, "png", error);
            entry.header = QByteArray(entrySize, '\0');
            putLe16(entry.header, 4, 1);  // colour planes
            putLe16(entry.header, 6, 32); // bits per pixel
            putLe32(entry.header, 8, quint32(entry.data.size()));
        } else {
            const QByteArray single = encode(image, "ico", error);
            if (single.size() < directorySize + entrySize) {
                if (error->isEmpty())
                    *error = QStringLiteral("модуль ICO не записал значок");
                return {};
            }
            entry.header = single.mid(directorySize, entrySize);
            const auto size = getLe<quint32>(entry.header, 8);
            const auto offset = getLe<quint32>(entry.header, 12);
            entry.data = single.mid(offset, size);
            if (!clearMaskPadding(entry.data, image.width(), image.height())) {
                *error = QStringLiteral("модуль ICO записал значок в неожиданном виде");
                return {};
            }
        }
        if (entry.data.isEmpty())
            return {};
        entries.append(entry);
    }

    QByteArray file(directorySize, '\0');
    putLe16(file, 2, 1); // type: icon
    putLe16(file, 4, quint16(entries.size()));
    quint32 offset = directorySize + entrySize * entries.size();
    for (Entry &entry : entries) {
        putLe32(entry.header, 12, offset);
        offset += entry.data.size();
        file += entry.header;
    }
    for (const Entry &entry : entries)
        file += entry.data;
    return file;
}
