// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QtEndian>

namespace velluna::res {

QPixmap bitmap(const QString &name)
{
    // Bitmaps are small and asked for again on every calculation and hover:
    // keep each decoded once.
    static QHash<QString, QPixmap> cache;
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString key = name + (dpr > 1.0 ? QStringLiteral("@2x") : QString());
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QPixmap pixmap;
    if (dpr > 1.0 && pixmap.load(QStringLiteral(":/bitmaps/%1@2x.bmp").arg(name)))
        pixmap.setDevicePixelRatio(2.0);
    else
        pixmap.load(QStringLiteral(":/bitmaps/%1.bmp").arg(name));
    cache.insert(key, pixmap);
    return pixmap;
}

std::optional<QPoint> cursorHotSpot(const QByteArray &cur)
{
    // ICONDIR (reserved, type 2 for cursors, count) then the first entry,
    // whose planes and bit-count fields hold the hot spot.
    if (cur.size() < 6 + 16)
        return std::nullopt;
    const auto *d = reinterpret_cast<const uchar *>(cur.constData());
    if (qFromLittleEndian<quint16>(d) != 0 || qFromLittleEndian<quint16>(d + 2) != 2
        || qFromLittleEndian<quint16>(d + 4) < 1)
        return std::nullopt;
    return QPoint(qFromLittleEndian<quint16>(d + 10), qFromLittleEndian<quint16>(d + 12));
}

namespace {

// The picture of a Windows cursor file: a bottom-up device-independent
// bitmap of 1, 4 or 8 bits per pixel with its palette, followed by the AND
// mask that makes pixels transparent. Decoded here rather than through an
// image plug-in, which a static build would have to carry and every start
// would have to load.
QImage cursorImage(const QByteArray &cur)
{
    const auto size = static_cast<qsizetype>(cur.size());
    if (size < 6 + 16)
        return {};
    const auto *d = reinterpret_cast<const uchar *>(cur.constData());
    const qsizetype offset = qFromLittleEndian<quint32>(d + 18);
    if (offset < 22 || offset > size - 40)
        return {};
    const uchar *header = d + offset;
    const int width = qFromLittleEndian<qint32>(header + 4);
    // The height counts the picture and its mask.
    const int height = qFromLittleEndian<qint32>(header + 8) / 2;
    const int bits = qFromLittleEndian<quint16>(header + 14);
    const quint32 compression = qFromLittleEndian<quint32>(header + 16);
    if (width < 1 || width > 256 || height < 1 || height > 256 || compression != 0
        || (bits != 1 && bits != 4 && bits != 8))
        return {};
    const int colours = 1 << bits;
    const qsizetype paletteAt = offset + qFromLittleEndian<quint32>(header);
    const qsizetype xorStride = ((qsizetype(width) * bits + 31) / 32) * 4;
    const qsizetype andStride = ((qsizetype(width) + 31) / 32) * 4;
    const qsizetype xorAt = paletteAt + colours * 4;
    const qsizetype andAt = xorAt + xorStride * height;
    if (paletteAt < offset + 40 || andAt + andStride * height > size)
        return {};
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const uchar *pixels = d + xorAt + xorStride * (height - 1 - y);
        const uchar *mask = d + andAt + andStride * (height - 1 - y);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int bitAt = x * bits;
            const int index = (pixels[bitAt / 8] >> (8 - bits - bitAt % 8)) & (colours - 1);
            const uchar *bgr = d + paletteAt + index * 4;
            const bool transparent = (mask[x / 8] >> (7 - x % 8)) & 1;
            line[x] = transparent ? qRgba(0, 0, 0, 0) : qRgb(bgr[2], bgr[1], bgr[0]);
        }
    }
    return image;
}

} // namespace

QCursor cursor(int id)
{
    static QHash<int, QCursor> cache;
    if (const auto it = cache.constFind(id); it != cache.constEnd())
        return *it;
    QFile file(QStringLiteral(":/cursors/%1.cur").arg(id));
    QCursor result;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray data = file.readAll();
        const QImage image = cursorImage(data);
        const QPoint hot = cursorHotSpot(data).value_or(QPoint(0, 0));
        if (!image.isNull())
            result = QCursor(QPixmap::fromImage(image), hot.x(), hot.y());
    }
    cache.insert(id, result);
    return result;
}

QIcon icon()
{
    // Kept as raw pixels: setting the icon before the first frame decodes
    // nothing and loads no image plug-in. A title bar takes 16 or 24 pixels
    // (at 100 or 150 %), drawn on their own grid: 32 scaled down blurs.
    static constexpr struct
    {
        int side;
        const char *file;
    } images[] = {{16, ":/icon/velluna-16.rgba"},
                  {24, ":/icon/velluna-24.rgba"},
                  {32, ":/icon/velluna.rgba"},
                  {64, ":/icon/velluna@2x.rgba"}};
    QIcon icon;
    for (const auto &[side, name] : images) {
        QFile file(QString::fromLatin1(name));
        const QByteArray pixels = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (pixels.size() == side * side * 4) {
            const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), side, side,
                               QImage::Format_RGBA8888);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

} // namespace velluna::res
