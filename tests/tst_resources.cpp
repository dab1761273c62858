// The pictures, cursors and icon the program carries: the file headers the
// program relies on, checked byte by byte, then each loaded through Qt and
// through the program's own loader.
#include "ui/resources.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

using namespace velluna;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Little-endian fields; zero past the end, so a short file fails the checks.
quint32 u16(const QByteArray &b, qsizetype at)
{
    return at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + at) : 0;
}
qint32 s32(const QByteArray &b, qsizetype at)
{
    return at + 4 <= b.size() ? qFromLittleEndian<qint32>(b.constData() + at) : 0;
}

} // namespace

class TstResources : public QObject
{
    Q_OBJECT

private slots:
    void bitmap_data();
    void bitmap();
    void iconFile_data();
    void iconFile();
    void pngIcons();
};

void TstResources::bitmap_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("scale");
    const std::pair<const char *, QSize> bitmaps[] = {
        {"LINEA", {320, 17}}, {"1", {144, 136}},   {"2", {144, 136}},   {"3", {144, 136}},   {"4", {144, 136}},
        {"5", {144, 136}},    {"6", {144, 136}},   {"7", {144, 136}},   {"8", {144, 136}},   {"9", {144, 136}},
        {"101", {163, 160}},  {"102", {160, 117}}, {"103", {160, 117}}, {"104", {150, 102}}, {"105", {150, 136}},
        {"106", {160, 111}},  {"107", {160, 147}}, {"108", {180, 158}}, {"109", {160, 113}},
    };
    for (const auto &[name, size] : bitmaps) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << size << 1;
        QTest::addRow("%s@2x", name) << QString::fromLatin1(name) << size << 2;
    }
}

// An uncompressed 24-bit BMP with a BITMAPINFOHEADER whose pixel rows fill
// the file, at exactly its size (twice it for @2x).
void TstResources::bitmap()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, scale);
    const QString path = QStringLiteral(":/bitmaps/%1%2.bmp").arg(name, scale == 2 ? QStringLiteral("@2x") : QString());
    const QByteArray b = bytesOf(path);
    QVERIFY2(b.startsWith("BM"), qPrintable(path));
    QCOMPARE(qsizetype(s32(b, 2)), b.size());
    QCOMPARE(s32(b, 14), 40);
    QCOMPARE(QSize(s32(b, 18), qAbs(s32(b, 22))), size * scale);
    QCOMPARE(u16(b, 26), 1u); // planes
    QCOMPARE(u16(b, 28), 24u);
    QCOMPARE(s32(b, 30), 0); // BI_RGB
    const int stride = (size.width() * scale * 3 + 3) / 4 * 4;
    QVERIFY(s32(b, 10) >= 54 && s32(b, 10) + stride * size.height() * scale <= b.size());
    QCOMPARE(QImage(path).size(), size * scale);
    // The loader hands out the picture at the room it takes on screen.
    QCOMPARE(res::bitmap(name).deviceIndependentSize().toSize(), size);
    if (name != u"LINEA")
        QCOMPARE(res::bitmap(name.toInt()).size(), size);
}

void TstResources::iconFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("bitCount");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::newRow("cursor 101") << QStringLiteral(":/cursors/101.cur") << 2 << 4 << QPoint(12, 1);
    QTest::newRow("cursor 102") << QStringLiteral(":/cursors/102.cur") << 2 << 4 << QPoint(2, 4);
    QTest::newRow("icon") << QStringLiteral(":/icon/velluna.ico") << 1 << 8 << QPoint();
}

// A single 32x32 image of 16 colours (cursors) or 256 (icon) with a full
// palette and a 1-bit transparency mask; a cursor's hot spot is in its
// directory entry, and the program's cursor carries it.
void TstResources::iconFile()
{
    QFETCH(QString, path);
    QFETCH(int, type);
    QFETCH(int, bitCount);
    QFETCH(QPoint, hotSpot);
    const QByteArray b = bytesOf(path);
    QCOMPARE(u16(b, 0), 0u);
    QCOMPARE(int(u16(b, 2)), type);
    QCOMPARE(u16(b, 4), 1u);
    QCOMPARE(b.mid(6, 3), QByteArray::fromHex(bitCount == 4 ? "202010" : "202000")); // 256 written as 0
    const qint32 imageBytes = s32(b, 14), at = s32(b, 18);
    QVERIFY(qint64(at) + imageBytes <= b.size());
    QCOMPARE(s32(b, at), 40);
    QCOMPARE(QSize(s32(b, at + 4), s32(b, at + 8)), QSize(32, 64)); // colour bits and mask
    QCOMPARE(int(u16(b, at + 14)), bitCount);
    QCOMPARE(s32(b, at + 16), 0);
    QCOMPARE(imageBytes, 40 + 4 * (1 << bitCount) + 32 * 32 * bitCount / 8 + 32 * 4);
    const QImage image(path);
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(31, 31)), 0); // the mask clears the corner
    if (type == 2) {
        QCOMPARE(QPoint(int(u16(b, 10)), int(u16(b, 12))), hotSpot);
        QCOMPARE(qAlpha(image.pixel(hotSpot)), 255);
        const QCursor cursor = res::cursor(path.mid(10, 3).toInt());
        QCOMPARE(cursor.hotSpot(), hotSpot);
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    }
}

void TstResources::pngIcons()
{
    QCOMPARE(QImage(QStringLiteral(":/icon/velluna.png")).size(), QSize(32, 32));
    QCOMPARE(QImage(QStringLiteral(":/icon/velluna@2x.png")).size(), QSize(64, 64));
    QCOMPARE(res::icon().availableSizes(), QList<QSize>({QSize(32, 32), QSize(64, 64)}));
}

QTEST_MAIN(TstResources)
#include "tst_resources.moc"
