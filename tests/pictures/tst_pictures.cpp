// Checks the pictures compiled into zelvar_pictures: each file's header is
// parsed here byte by byte against the format and size the windows expect,
// and each must then load through Qt's own image readers at that size.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QtTest>

#include <algorithm>
#include <utility>

namespace {

const QString mainLogo = QStringLiteral(":/pictures/main-logo.bmp");
const QString appIcon = QStringLiteral(":/pictures/zelvar.ico");
const QString splashBackdrop = QStringLiteral(":/pictures/splash-backdrop.jpg");
const QString splashBanner = QStringLiteral(":/pictures/splash-banner.gif");
const QString splashLogo = QStringLiteral(":/pictures/splash-logo.ico");

QByteArray readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Little- and big-endian field readers. A read past the end gives ~0u, a
// value no field checked here may have, so it fails the comparison instead of
// reading out of bounds.
constexpr quint32 pastEnd = ~0u;

quint32 u8(const QByteArray& d, qsizetype at)
{
    return at >= 0 && at < d.size() ? quint32(quint8(d[at])) : pastEnd;
}

quint32 le16(const QByteArray& d, qsizetype at)
{
    return at >= 0 && at + 2 <= d.size() ? u8(d, at) | u8(d, at + 1) << 8 : pastEnd;
}

quint32 le32(const QByteArray& d, qsizetype at)
{
    return at >= 0 && at + 4 <= d.size() ? le16(d, at) | le16(d, at + 2) << 16 : pastEnd;
}

qint32 le32s(const QByteArray& d, qsizetype at)
{
    return qint32(le32(d, at));
}

quint32 be16(const QByteArray& d, qsizetype at)
{
    return at >= 0 && at + 2 <= d.size() ? u8(d, at) << 8 | u8(d, at + 1) : pastEnd;
}

// Bytes per row of a bitmap, padded to whole 32-bit words.
qsizetype stride(qsizetype width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// A marker that begins a frame (SOF0..SOF15); C4, C8 and CC share the range
// but are Huffman tables, a reserved marker and arithmetic conditioning.
bool isStartOfFrame(quint32 marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Everything the tests need to know about a GIF, from walking its blocks.
struct GifLayout {
    QString error;                  // empty when the walk reached the trailer
    quint32 width = 0, height = 0;
    int globalTableSize = 0;        // 0: none
    int imageCount = 0;
    bool interlaced = false;
    int localTableSize = 0;
    quint32 frameLeft = 0, frameTop = 0, frameWidth = 0, frameHeight = 0;
    qsizetype imageDataAt = -1;     // the frame's LZW minimum code size
    bool controlBeforeImage = false;
    bool transparencyFlag = false;
    quint32 transparentIndex = 0;
};

// Skips a run of data sub-blocks; returns the offset after the terminator,
// or -1 when the data ends first.
qsizetype skipSubBlocks(const QByteArray& d, qsizetype at)
{
    for (;;) {
        const quint32 len = u8(d, at);
        if (len == pastEnd)
            return -1;
        at += 1 + len;
        if (len == 0)
            return at;
    }
}

GifLayout walkGif(const QByteArray& d)
{
    GifLayout g;
    if (!d.startsWith("GIF89a")) {
        g.error = QStringLiteral("no GIF89a signature");
        return g;
    }
    if (d.size() < 13) {
        g.error = QStringLiteral("truncated screen descriptor");
        return g;
    }
    g.width = le16(d, 6);
    g.height = le16(d, 8);
    const quint32 packed = u8(d, 10);
    qsizetype at = 13;
    if (packed & 0x80) {
        g.globalTableSize = 1 << ((packed & 0x07) + 1);
        at += 3 * g.globalTableSize;
    }
    for (;;) {
        const quint32 kind = u8(d, at);
        if (kind == pastEnd) {
            g.error = QStringLiteral("no trailer");
            return g;
        }
        if (kind == 0x3B)
            return g;
        if (kind == 0x21) {
            if (at + 2 > d.size()) {
                g.error = QStringLiteral("truncated extension");
                return g;
            }
            if (u8(d, at + 1) == 0xF9) {
                if (at + 8 > d.size() || u8(d, at + 2) != 4 || u8(d, at + 7) != 0) {
                    g.error = QStringLiteral("malformed graphic control extension");
                    return g;
                }
                if (g.imageCount == 0) {
                    g.controlBeforeImage = true;
                    g.transparencyFlag = (u8(d, at + 3) & 0x01) != 0;
                    g.transparentIndex = u8(d, at + 6);
                }
            }
            at = skipSubBlocks(d, at + 2);
        } else if (kind == 0x2C) {
            if (at + 11 > d.size()) {   // descriptor and LZW minimum code size
                g.error = QStringLiteral("truncated image descriptor");
                return g;
            }
            ++g.imageCount;
            g.frameLeft = le16(d, at + 1);
            g.frameTop = le16(d, at + 3);
            g.frameWidth = le16(d, at + 5);
            g.frameHeight = le16(d, at + 7);
            const quint32 flags = u8(d, at + 9);
            g.interlaced = (flags & 0x40) != 0;
            g.localTableSize = (flags & 0x80) ? 1 << ((flags & 0x07) + 1) : 0;
            at += 10 + 3 * g.localTableSize;
            g.imageDataAt = at;
            at = skipSubBlocks(d, at + 1);
        } else {
            g.error = QStringLiteral("unknown block 0x%1 at %2").arg(kind, 2, 16, QLatin1Char('0')).arg(at);
            return g;
        }
        if (at < 0) {
            g.error = QStringLiteral("data sub-blocks run past the end");
            return g;
        }
    }
}

// Decodes a GIF frame's LZW data, starting at its minimum code size, into
// colour indices in the order they are stored (interlaced rows stay in pass
// order). Qt's reader quietly accepts a damaged code stream, so the stream is
// checked here: every code must be known when it arrives, and the end code
// must come after exactly the expected number of pixels, at the end of the
// data.
struct LzwResult {
    QString error;
    QByteArray indices;
};

LzwResult decodeGifLzw(const QByteArray& d, qsizetype at, qsizetype pixels)
{
    LzwResult r;
    const quint32 minSize = u8(d, at);
    if (minSize < 2 || minSize > 8) {
        r.error = QStringLiteral("bad minimum code size %1").arg(minSize);
        return r;
    }
    QByteArray data;
    for (++at;;) {
        const quint32 len = u8(d, at);
        if (len == pastEnd || at + 1 + qsizetype(len) > d.size()) {
            r.error = QStringLiteral("data sub-blocks run past the end");
            return r;
        }
        if (len == 0)
            break;
        data += d.mid(at + 1, len);
        at += 1 + len;
    }

    const int clear = 1 << minSize, end = clear + 1;
    QList<int> prefix(4096, -1);
    QList<char> suffix(4096, 0);
    for (int c = 0; c < clear; ++c)
        suffix[c] = char(c);
    int width = int(minSize) + 1, next = end + 1, previous = -1;
    qsizetype bit = 0;
    const auto expand = [&](int code) {
        QByteArray out;
        for (; code >= 0; code = prefix[code])
            out.prepend(suffix[code]);
        return out;
    };
    for (;;) {
        if (bit + width > data.size() * 8) {
            r.error = QStringLiteral("no end code after %1 pixels").arg(r.indices.size());
            return r;
        }
        int code = 0;
        for (int b = 0; b < width; ++b, ++bit)
            code |= ((quint8(data[bit / 8]) >> (bit % 8)) & 1) << b;
        if (code == clear) {
            width = int(minSize) + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code == end)
            break;
        QByteArray string;
        if (previous < 0) {
            if (code > clear) {
                r.error = QStringLiteral("code %1 right after a clear").arg(code);
                return r;
            }
            string = expand(code);
        } else {
            if (code < next) {
                string = expand(code);
            } else if (code == next) {
                string = expand(previous);
                string += string.front();
            } else {
                r.error = QStringLiteral("unknown code %1 (next %2)").arg(code).arg(next);
                return r;
            }
            if (next < 4096) {
                prefix[next] = previous;
                suffix[next] = string.front();
                ++next;
                if (next == (1 << width) && width < 12)
                    ++width;
            }
        }
        r.indices += string;
        previous = code;
        if (r.indices.size() > pixels) {
            r.error = QStringLiteral("more than %1 pixels").arg(pixels);
            return r;
        }
    }
    if (r.indices.size() != pixels)
        r.error = QStringLiteral("%1 pixels instead of %2").arg(r.indices.size()).arg(pixels);
    else if ((bit + 7) / 8 != data.size())
        r.error = QStringLiteral("%1 bytes after the end code").arg(data.size() - (bit + 7) / 8);
    return r;
}

// How much a picture changes from each row to the next.
qint64 rowToRowChange(const QImage& image, const QList<int>& rowOrder)
{
    qint64 change = 0;
    for (qsizetype k = 0; k + 1 < rowOrder.size(); ++k) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, rowOrder[k]), b = image.pixel(x, rowOrder[k + 1]);
            change += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b))
                + qAbs(qBlue(a) - qBlue(b)) + qAbs(qAlpha(a) - qAlpha(b));
        }
    }
    return change;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void init();

    void everyPictureIsCompiledIn_data();
    void everyPictureIsCompiledIn();

    void mainLogoIsUncompressed24BitBmp();

    void iconHoldsTwo16ColourImages_data();
    void iconHoldsTwo16ColourImages();

    void splashBackdropIsBaselineJpeg();

    void splashBannerIsInterlacedTransparentGif();

    void qtReadsEachPictureAtItsSize_data();
    void qtReadsEachPictureAtItsSize();

    void bannerImageDataDecodes();
    void bannerRowsAreInPictureOrder();
    void bannerLetsTheBackdropShowThrough();
    void splashLogoIsNotTheApplicationIcon();
};

void TestPictures::init()
{
    // A damaged file often still decodes, with only a warning from the image
    // reader (a truncated JPEG, a short GIF frame): treat any as a failure.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestPictures::everyPictureIsCompiledIn_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : {mainLogo, appIcon, splashBackdrop, splashBanner, splashLogo})
        QTest::newRow(qPrintable(path)) << path;
}

void TestPictures::everyPictureIsCompiledIn()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path + QStringLiteral(": not in the resources")));
    QVERIFY(file.size() > 0);
}

void TestPictures::mainLogoIsUncompressed24BitBmp()
{
    const QByteArray d = readResource(mainLogo);
    QVERIFY(d.size() >= 54);

    // BITMAPFILEHEADER
    QVERIFY(d.startsWith("BM"));
    QCOMPARE(le32(d, 2), quint32(d.size()));
    const quint32 pixelsAt = le32(d, 10);

    // BITMAPINFOHEADER
    QCOMPARE(le32(d, 14), 40u);
    QCOMPARE(le32s(d, 18), 246);
    QCOMPARE(le32s(d, 22), 118);              // positive: rows stored bottom-up
    QCOMPARE(le16(d, 26), 1u);                // planes
    QCOMPARE(le16(d, 28), 24u);               // bits per pixel
    QCOMPARE(le32(d, 30), 0u);                // BI_RGB
    QCOMPARE(le32(d, 46), 0u);                // no colour table in use

    // The rows of 246 pixels are padded to 740 bytes; the pixel array must
    // be exactly that, right after the headers and up to the end.
    const qsizetype pixelBytes = stride(246, 24) * 118;
    QCOMPARE(pixelsAt, 54u);
    const quint32 sizeImage = le32(d, 34);
    QVERIFY2(sizeImage == 0 || sizeImage == pixelBytes, qPrintable(QString::number(sizeImage)));
    QCOMPARE(d.size(), qsizetype(pixelsAt) + pixelBytes);
}

void TestPictures::iconHoldsTwo16ColourImages_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("application icon") << appIcon;
    QTest::newRow("splash logo") << splashLogo;
}

void TestPictures::iconHoldsTwo16ColourImages()
{
    QFETCH(QString, path);
    const QByteArray d = readResource(path);
    QVERIFY(d.size() >= 6 + 2 * 16);

    // ICONDIR
    QCOMPARE(le16(d, 0), 0u);
    QCOMPARE(le16(d, 2), 1u);                 // 1: icon (2 would be a cursor)
    QCOMPARE(le16(d, 4), 2u);

    QList<quint32> sizes;
    QList<quint32> offsets;
    for (int e = 0; e < 2; ++e) {
        const qsizetype at = 6 + 16 * e;
        // ICONDIRENTRY; a width or height of 0 would mean 256
        const quint32 side = u8(d, at);
        QCOMPARE(u8(d, at + 1), side);
        QCOMPARE(u8(d, at + 2), 16u);         // colours
        QCOMPARE(u8(d, at + 3), 0u);          // reserved
        QVERIFY2(le16(d, at + 4) <= 1, "planes");
        QCOMPARE(le16(d, at + 6), 4u);        // bits per pixel
        const quint32 bytes = le32(d, at + 8), offset = le32(d, at + 12);
        QVERIFY2(qint64(offset) + qint64(bytes) <= d.size(), "image runs past the end of the file");
        QVERIFY2(offset >= 6 + 2 * 16, "image overlaps the directory");
        sizes << side;
        offsets << offset;

        const QByteArray image = d.mid(offset, bytes);
        QVERIFY2(!image.startsWith("\x89PNG"), "PNG-compressed entry; expected a bitmap");

        // BITMAPINFOHEADER of the entry: height counts the XOR bitmap and
        // the AND mask together.
        QCOMPARE(le32(image, 0), 40u);
        QCOMPARE(le32s(image, 4), qint32(side));
        QCOMPARE(le32s(image, 8), qint32(2 * side));
        QCOMPARE(le16(image, 12), 1u);
        QCOMPARE(le16(image, 14), 4u);
        QCOMPARE(le32(image, 16), 0u);        // BI_RGB
        const quint32 used = le32(image, 32);
        QVERIFY2(used == 0 || used == 16, qPrintable(QString::number(used)));

        // Header, 16 palette entries, 4-bit XOR bitmap, 1-bit AND mask:
        // a size that does not add up means a row is padded wrongly.
        const qsizetype expected = 40 + 16 * 4 + stride(side, 4) * side + stride(side, 1) * side;
        QCOMPARE(qsizetype(bytes), expected);
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, (QList<quint32>{16, 32}));
    QVERIFY(offsets[0] != offsets[1]);
}

void TestPictures::splashBackdropIsBaselineJpeg()
{
    const QByteArray d = readResource(splashBackdrop);
    QVERIFY(d.startsWith("\xFF\xD8"));
    QVERIFY(d.endsWith("\xFF\xD9"));

    QList<quint32> framesFound;
    qsizetype sof0At = -1;
    qsizetype at = 2;
    bool ended = false;
    while (!ended) {
        QVERIFY2(u8(d, at) == 0xFF, qPrintable(QStringLiteral("no marker at %1").arg(at)));
        while (u8(d, at) == 0xFF)             // fill bytes
            ++at;
        const quint32 marker = u8(d, at);
        QVERIFY(marker != pastEnd);
        ++at;
        if (marker == 0xD9) {
            ended = true;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;                         // markers without a length
        const quint32 length = be16(d, at);
        QVERIFY(length >= 2 && length != pastEnd);
        if (isStartOfFrame(marker)) {
            framesFound << marker;
            if (marker == 0xC0)
                sof0At = at;
        }
        at += length;
        if (marker == 0xDA) {
            // Entropy-coded data up to the next marker that is neither a
            // stuffed 0xFF nor a restart marker.
            for (;; ++at) {
                QVERIFY2(at + 1 < d.size(), "scan data runs past the end");
                if (quint8(d[at]) != 0xFF)
                    continue;
                const quint8 next = quint8(d[at + 1]);
                if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
                    continue;
                break;
            }
        }
    }
    QCOMPARE(at, d.size());

    QVERIFY2(!framesFound.contains(0xC2), "progressive (SOF2) frame");
    QCOMPARE(framesFound, QList<quint32>{0xC0});
    QVERIFY(sof0At > 0);
    QCOMPARE(be16(d, sof0At), 8u + 3 * 3);    // length for three components
    QCOMPARE(u8(d, sof0At + 2), 8u);          // sample precision
    QCOMPARE(be16(d, sof0At + 3), 177u);      // height
    QCOMPARE(be16(d, sof0At + 5), 800u);      // width
    QCOMPARE(u8(d, sof0At + 7), 3u);          // components
}

void TestPictures::splashBannerIsInterlacedTransparentGif()
{
    const GifLayout g = walkGif(readResource(splashBanner));
    QVERIFY2(g.error.isEmpty(), qPrintable(g.error));
    QCOMPARE(g.width, 500u);
    QCOMPARE(g.height, 100u);
    QCOMPARE(g.imageCount, 1);
    QVERIFY(g.interlaced);
    QCOMPARE(g.frameLeft, 0u);
    QCOMPARE(g.frameTop, 0u);
    QCOMPARE(g.frameWidth, 500u);
    QCOMPARE(g.frameHeight, 100u);
    // The frame uses its own table if it has one, else the global one.
    QCOMPARE(g.localTableSize ? g.localTableSize : g.globalTableSize, 16);
    QVERIFY2(g.controlBeforeImage, "no graphic control extension before the frame");
    QVERIFY(g.transparencyFlag);
    QVERIFY(g.transparentIndex < 16);
}

void TestPictures::qtReadsEachPictureAtItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QList<QSize>>("sizes");   // of each image in the file

    QTest::newRow("main logo") << mainLogo << QByteArray("bmp") << QList<QSize>{{246, 118}};
    QTest::newRow("application icon") << appIcon << QByteArray("ico") << QList<QSize>{{32, 32}, {16, 16}};
    QTest::newRow("splash backdrop") << splashBackdrop << QByteArray("jpeg") << QList<QSize>{{800, 177}};
    QTest::newRow("splash banner") << splashBanner << QByteArray("gif") << QList<QSize>{{500, 100}};
    QTest::newRow("splash logo") << splashLogo << QByteArray("ico") << QList<QSize>{{32, 32}, {16, 16}};
}

void TestPictures::qtReadsEachPictureAtItsSize()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QList<QSize>, sizes);

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    if (sizes.size() > 1)
        QCOMPARE(qsizetype(reader.imageCount()), sizes.size());

    QList<QSize> found;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (i > 0)
            QVERIFY(reader.jumpToImage(int(i)));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        found << image.size();
    }
    std::sort(found.begin(), found.end(), [](QSize a, QSize b) { return a.width() > b.width(); });
    QCOMPARE(found, sizes);
}

void TestPictures::bannerImageDataDecodes()
{
    const QByteArray d = readResource(splashBanner);
    const GifLayout g = walkGif(d);
    QVERIFY2(g.error.isEmpty(), qPrintable(g.error));
    const LzwResult lzw = decodeGifLzw(d, g.imageDataAt, qsizetype(g.frameWidth) * g.frameHeight);
    QVERIFY2(lzw.error.isEmpty(), qPrintable(lzw.error));
    const int colours = g.localTableSize ? g.localTableSize : g.globalTableSize;
    bool transparentUsed = false;
    for (const char index : lzw.indices) {
        QVERIFY2(quint8(index) < colours, "index outside the colour table");
        transparentUsed |= quint8(index) == g.transparentIndex;
    }
    QVERIFY2(transparentUsed, "the transparent colour is never used");
}

void TestPictures::bannerRowsAreInPictureOrder()
{
    // An interlaced GIF stores every 8th row from 0, then every 8th from 4,
    // every 4th from 2, every 2nd from 1. If the rows were written in the
    // wrong order the decoded picture is shuffled: taking its rows in pass
    // order would then make it smoother, not rougher as for a real picture.
    const QImage banner = QImage(splashBanner).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!banner.isNull());
    QList<int> pictureOrder, passOrder;
    for (int y = 0; y < banner.height(); ++y)
        pictureOrder << y;
    for (const auto& [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = first; y < banner.height(); y += step)
            passOrder << y;
    const qint64 asShown = rowToRowChange(banner, pictureOrder);
    const qint64 shuffled = rowToRowChange(banner, passOrder);
    QVERIFY2(asShown * 2 < shuffled,
             qPrintable(QStringLiteral("row-to-row change %1 as shown, %2 in pass order").arg(asShown).arg(shuffled)));
}

void TestPictures::bannerLetsTheBackdropShowThrough()
{
    const QImage banner(splashBanner);
    QVERIFY(!banner.isNull());
    QVERIFY(banner.hasAlphaChannel());

    qsizetype clear = 0, solid = 0;
    for (int y = 0; y < banner.height(); ++y) {
        for (int x = 0; x < banner.width(); ++x) {
            const int alpha = qAlpha(banner.pixel(x, y));
            clear += alpha == 0;
            solid += alpha == 255;
        }
    }
    const qsizetype all = qsizetype(banner.width()) * banner.height();
    QVERIFY2(clear > 0, "no transparent pixel");
    // A picture, not a stray pixel: both the see-through ground and the
    // drawing itself should be a real share of the banner.
    QVERIFY2(clear * 10 >= all, qPrintable(QStringLiteral("only %1 of %2 pixels transparent").arg(clear).arg(all)));
    QVERIFY2(solid * 10 >= all, qPrintable(QStringLiteral("only %1 of %2 pixels opaque").arg(solid).arg(all)));
    QCOMPARE(clear + solid, all);             // GIF transparency is all or nothing
}

void TestPictures::splashLogoIsNotTheApplicationIcon()
{
    // The splash window shows its own emblem, not a copy of the icon.
    QImageReader app(appIcon), splash(splashLogo);
    const QImage a = app.read(), s = splash.read();
    QVERIFY(!a.isNull() && !s.isNull());
    QCOMPARE(a.size(), s.size());
    QVERIFY(a.convertToFormat(QImage::Format_ARGB32) != s.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
