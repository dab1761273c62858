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

QCursor cursor(int id)
{
    static QHash<int, QCursor> cache;
    if (const auto it = cache.constFind(id); it != cache.constEnd())
        return *it;
    QFile file(QStringLiteral(":/cursors/%1.cur").arg(id));
    QCursor result;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray data = file.readAll();
        const QImage image = QImage::fromData(data, "CUR");
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
    // nothing and loads no image plug-in.
    QIcon icon;
    for (const int side : {32, 64}) {
        QFile file(side == 32 ? QStringLiteral(":/icon/velluna.rgba") : QStringLiteral(":/icon/velluna@2x.rgba"));
        const QByteArray pixels = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (pixels.size() == side * side * 4) {
            const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), side, side, QImage::Format_RGBA8888);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

} // namespace velluna::res
