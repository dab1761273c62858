// The pictures, cursors and icon that the program loads from the Qt resource
// system: their file headers are checked byte by byte (the formats the
// program relies on), then each is loaded through Qt's image readers.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

QByteArray resourceBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

qint32 s32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

// A BITMAPINFOHEADER as stored in a BMP file or in an icon or cursor image.
struct InfoHeader {
    quint32 size = 0;
    qint32 width = 0;
    qint32 height = 0;
    quint16 planes = 0;
    quint16 bitCount = 0;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
};

InfoHeader infoHeaderAt(const QByteArray &bytes, qsizetype at)
{
    InfoHeader h;
    if (at < 0 || bytes.size() < at + 40)
        return h;
    h.size = u32(bytes, at);
    h.width = s32(bytes, at + 4);
    h.height = s32(bytes, at + 8);
    h.planes = u16(bytes, at + 12);
    h.bitCount = u16(bytes, at + 14);
    h.compression = u32(bytes, at + 16);
    h.coloursUsed = u32(bytes, at + 32);
    return h;
}

// The headers of a .bmp file; error is empty when the file holds them all
// and its pixel rows fit in it.
struct BmpFile {
    QString error;
    InfoHeader info;
};

BmpFile readBmp(const QByteArray &bytes)
{
    BmpFile bmp;
    if (bytes.size() < 14 + 40 || !bytes.startsWith("BM")) {
        bmp.error = QStringLiteral("not a BMP file");
        return bmp;
    }
    bmp.info = infoHeaderAt(bytes, 14);
    const quint32 fileSize = u32(bytes, 2);
    const quint32 pixelsAt = u32(bytes, 10);
    const qint64 stride = ((qint64(bmp.info.width) * bmp.info.bitCount + 31) / 32) * 4;
    const qint64 pixelBytes = stride * qAbs(qint64(bmp.info.height));
    if (fileSize != quint32(bytes.size()))
        bmp.error = QStringLiteral("file size field %1, file has %2 bytes").arg(fileSize).arg(bytes.size());
    else if (pixelsAt < 14 + bmp.info.size || pixelsAt + pixelBytes > bytes.size())
        bmp.error = QStringLiteral("pixel rows do not fit in the file");
    return bmp;
}

// An .ico or .cur file with its first image: ICONDIR, ICONDIRENTRY and the
// image's BITMAPINFOHEADER. For a cursor, field1 and field2 are the hot
// spot; for an icon, the planes and bit count.
struct IconFile {
    QString error;
    quint16 type = 0;
    quint16 count = 0;
    int width = 0;
    int height = 0;
    int colourCount = 0;
    quint16 field1 = 0;
    quint16 field2 = 0;
    InfoHeader info;
};

IconFile readIconFile(const QByteArray &bytes)
{
    IconFile icon;
    if (bytes.size() < 6 + 16 + 40 || u16(bytes, 0) != 0) {
        icon.error = QStringLiteral("not an icon or cursor file");
        return icon;
    }
    icon.type = u16(bytes, 2);
    icon.count = u16(bytes, 4);
    const auto byteAt = [&](qsizetype at) { return int(quint8(bytes.at(at))); };
    icon.width = byteAt(6) ? byteAt(6) : 256;
    icon.height = byteAt(7) ? byteAt(7) : 256;
    icon.colourCount = byteAt(8);
    icon.field1 = u16(bytes, 10);
    icon.field2 = u16(bytes, 12);
    const quint32 imageBytes = u32(bytes, 14);
    const quint32 imageAt = u32(bytes, 18);
    if (qint64(imageAt) + imageBytes > bytes.size()) {
        icon.error = QStringLiteral("image data runs past the end of the file");
        return icon;
    }
    icon.info = infoHeaderAt(bytes, imageAt);
    // header, palette, colour bits and the 1-bit AND mask, rows padded to 32 bits
    const int w = icon.info.width;
    const int h = icon.info.height / 2;
    const int bits = icon.info.bitCount;
    const qint64 palette = bits <= 8 ? 4 * (icon.info.coloursUsed ? icon.info.coloursUsed : 1u << bits) : 0;
    const qint64 needed = icon.info.size + palette + ((qint64(w) * bits + 31) / 32) * 4 * h
            + ((w + 31) / 32) * 4 * h;
    if (needed != imageBytes)
        icon.error = QStringLiteral("image holds %1 bytes, its headers need %2").arg(imageBytes).arg(needed);
    return icon;
}

QImage readImage(const QString &path, QSize *announced = nullptr)
{
    QImageReader reader(path);
    if (announced)
        *announced = reader.size();
    return reader.read();
}

// WCAG contrast ratio between two colours.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Bitmap {
    const char *name;
    QSize size;
};

// The bitmaps at normal density; each also exists as NAME@2x.bmp.
const Bitmap bitmaps[] = {
    {"LINEA", {320, 17}},
    {"1", {144, 136}}, {"2", {144, 136}}, {"3", {144, 136}},
    {"4", {144, 136}}, {"5", {144, 136}}, {"6", {144, 136}},
    {"7", {144, 136}}, {"8", {144, 136}}, {"9", {144, 136}},
    {"101", {163, 160}}, {"102", {160, 117}}, {"103", {160, 117}},
    {"104", {150, 102}}, {"105", {150, 136}}, {"106", {160, 111}},
    {"107", {160, 147}}, {"108", {180, 158}}, {"109", {160, 113}},
};

} // namespace

class TstResources : public QObject
{
    Q_OBJECT

private slots:
    void bitmapFile_data();
    void bitmapFile();
    void bitmapLoads_data();
    void bitmapLoads();
    void progressStripKeepsYellowTextReadable_data();
    void progressStripKeepsYellowTextReadable();
    void cursorFile_data();
    void cursorFile();
    void cursorLoads_data();
    void cursorLoads();
    void iconFile();
    void iconLoads_data();
    void iconLoads();
};

static void addBitmapRows()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const Bitmap &b : bitmaps) {
        const QString name = QString::fromLatin1(b.name);
        QTest::newRow(b.name) << QStringLiteral(":/bitmaps/%1.bmp").arg(name) << b.size;
        QTest::newRow(qPrintable(name + QStringLiteral("@2x")))
                << QStringLiteral(":/bitmaps/%1@2x.bmp").arg(name) << b.size * 2;
    }
}

void TstResources::bitmapFile_data()
{
    addBitmapRows();
}

// Uncompressed 24-bit BMP with a BITMAPINFOHEADER, at the expected size.
void TstResources::bitmapFile()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QByteArray bytes = resourceBytes(path);
    QVERIFY2(!bytes.isEmpty(), qPrintable(path + QStringLiteral(" is missing")));
    const BmpFile bmp = readBmp(bytes);
    QVERIFY2(bmp.error.isEmpty(), qPrintable(bmp.error));
    QCOMPARE(bmp.info.size, 40u);
    QCOMPARE(bmp.info.width, size.width());
    QCOMPARE(qAbs(bmp.info.height), size.height());
    QCOMPARE(bmp.info.planes, quint16(1));
    QCOMPARE(bmp.info.bitCount, quint16(24));
    QCOMPARE(bmp.info.compression, 0u);
}

void TstResources::bitmapLoads_data()
{
    addBitmapRows();
}

// Qt reads the bitmap at its size, and it is a picture, not a flat fill.
void TstResources::bitmapLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QSize announced;
    const QImage image = readImage(path, &announced);
    QCOMPARE(announced, size);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > 16, qPrintable(QStringLiteral("%1 colours").arg(colours.size())));
}

void TstResources::progressStripKeepsYellowTextReadable_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("LINEA") << QStringLiteral(":/bitmaps/LINEA.bmp");
    QTest::newRow("LINEA@2x") << QStringLiteral(":/bitmaps/LINEA@2x.bmp");
}

// The bold yellow percentage is drawn anywhere over the strip: the middle
// band of rows keeps at least a 3:1 contrast with it all along.
void TstResources::progressStripKeepsYellowTextReadable()
{
    QFETCH(QString, path);
    const QImage strip = readImage(path);
    QVERIFY(!strip.isNull());
    const QRgb yellow = qRgb(255, 255, 0);
    for (int y = strip.height() / 4; y < strip.height() * 3 / 4; ++y)
        for (int x = 0; x < strip.width(); ++x) {
            const double ratio = contrast(strip.pixel(x, y), yellow);
            QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("pixel %1,%2: contrast %3")
                                                      .arg(x).arg(y).arg(ratio, 0, 'f', 2)));
        }
    // a gradient: the two ends differ clearly
    const QRgb left = strip.pixel(0, strip.height() / 2);
    const QRgb right = strip.pixel(strip.width() - 1, strip.height() / 2);
    QVERIFY(std::abs(qRed(left) - qRed(right)) + std::abs(qBlue(left) - qBlue(right)) > 96);
}

void TstResources::cursorFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("hotX");
    QTest::addColumn<int>("hotY");
    QTest::newRow("101 hand") << QStringLiteral(":/cursors/101.cur") << 12 << 1;
    QTest::newRow("102 help") << QStringLiteral(":/cursors/102.cur") << 2 << 4;
}

// A Windows cursor: type 2, one 32x32 image of 16 colours (4 bits per pixel
// with an AND mask), hot spot in the directory entry.
void TstResources::cursorFile()
{
    QFETCH(QString, path);
    QFETCH(int, hotX);
    QFETCH(int, hotY);
    const QByteArray bytes = resourceBytes(path);
    QVERIFY2(!bytes.isEmpty(), qPrintable(path + QStringLiteral(" is missing")));
    const IconFile cur = readIconFile(bytes);
    QVERIFY2(cur.error.isEmpty(), qPrintable(cur.error));
    QCOMPARE(cur.type, quint16(2));
    QCOMPARE(cur.count, quint16(1));
    QCOMPARE(cur.width, 32);
    QCOMPARE(cur.height, 32);
    QCOMPARE(cur.colourCount, 16);
    QCOMPARE(int(cur.field1), hotX);
    QCOMPARE(int(cur.field2), hotY);
    QCOMPARE(cur.info.size, 40u);
    QCOMPARE(cur.info.width, 32);
    QCOMPARE(cur.info.height, 64);
    QCOMPARE(cur.info.bitCount, quint16(4));
    QCOMPARE(cur.info.compression, 0u);
}

void TstResources::cursorLoads_data()
{
    cursorFile_data();
}

// Qt's ico reader loads the cursor; the hot spot is on the drawing and the
// mask leaves the rest of the square see-through.
void TstResources::cursorLoads()
{
    QFETCH(QString, path);
    QFETCH(int, hotX);
    QFETCH(int, hotY);
    QSize announced;
    const QImage image = readImage(path, &announced);
    QCOMPARE(announced, QSize(32, 32));
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(hotX, hotY)), 255);
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255;
    QVERIFY2(opaque >= 64 && opaque <= 32 * 32 / 2, qPrintable(QStringLiteral("%1 opaque pixels").arg(opaque)));
}

// A Windows icon: type 1, one 32x32 image of 256 colours (8 bits per pixel).
void TstResources::iconFile()
{
    const QByteArray bytes = resourceBytes(QStringLiteral(":/icon/velluna.ico"));
    QVERIFY(!bytes.isEmpty());
    const IconFile ico = readIconFile(bytes);
    QVERIFY2(ico.error.isEmpty(), qPrintable(ico.error));
    QCOMPARE(ico.type, quint16(1));
    QCOMPARE(ico.count, quint16(1));
    QCOMPARE(ico.width, 32);
    QCOMPARE(ico.height, 32);
    QCOMPARE(ico.colourCount, 0); // 256 colours are written as 0
    QCOMPARE(ico.info.size, 40u);
    QCOMPARE(ico.info.width, 32);
    QCOMPARE(ico.info.height, 64);
    QCOMPARE(ico.info.bitCount, quint16(8));
    QCOMPARE(ico.info.compression, 0u);
}

void TstResources::iconLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("ico") << QStringLiteral(":/icon/velluna.ico") << QSize(32, 32);
    QTest::newRow("png") << QStringLiteral(":/icon/velluna.png") << QSize(32, 32);
    QTest::newRow("png@2x") << QStringLiteral(":/icon/velluna@2x.png") << QSize(64, 64);
}

// The round badge: corners see-through, the middle solid.
void TstResources::iconLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QSize announced;
    const QImage image = readImage(path, &announced);
    QCOMPARE(announced, size);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    const int last = size.width() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    QCOMPARE(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
}

QTEST_MAIN(TstResources)
#include "tst_resources.moc"
