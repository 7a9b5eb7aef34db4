// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the pictures compiled into zelvar_pictures: each reads through Qt's
// image readers in its format and at its size, twice that size for its @2x
// copy, and the few header fields Qt reads past are checked byte by byte.
// The icons only the desktop's icon theme gets are read from the sources.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <utility>

namespace {

struct Picture {
    QString name;        // under :/pictures/
    QByteArray format;   // as QImageReader names it
    QList<QSize> sizes;  // of each image in the file, largest first
    int bits;            // per pixel, as the file stores them
    bool seeThrough;     // has transparent parts
};

// Each comes with an @2x copy, drawn at twice the size.
// clang-format off
const QList<Picture> pictures = {
    {"main-logo.bmp", "bmp", {{246, 118}}, 24, false},
    {"zelvar.ico", "ico", {{32, 32}, {16, 16}}, 4, true},
    {"splash-backdrop.jpg", "jpeg", {{800, 177}}, 24, false},
    {"splash-banner.gif", "gif", {{500, 100}}, 4, true},
    {"splash-logo.ico", "ico", {{32, 32}, {16, 16}}, 4, true},
};
// clang-format on

QString doubleOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QByteArray readResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A little-endian field; past the end of the data it reads as ~0u, which no
// field checked here may be.
quint32 le(const QByteArray& d, qsizetype at, int bytes) {
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | (at >= 0 && at + bytes <= d.size() ? quint8(d[at + i]) : 0xFF);
    return value;
}

// Bits per pixel of each image as the file stores them, where Qt reads them
// all into 32-bit images; -1 where the header is not what it should be.
QList<int> storedBits(const QByteArray& d, const QByteArray& format) {
    if (format == "bmp")  // uncompressed
        return {le(d, 30, 4) == 0 ? int(le(d, 28, 2)) : -1};
    if (format == "gif")  // a global colour table of 2^bits colours
        return {le(d, 10, 1) & 0x80 ? int(le(d, 10, 1) & 7) + 1 : -1};
    if (format == "png")  // 8-bit RGBA
        return {le(d, 25, 1) == 6 ? int(le(d, 24, 1)) * 4 : -1};
    if (format == "jpeg") {  // a baseline frame (C0), no progressive one (C2): precision times components
        const qsizetype frame = d.indexOf("\xFF\xC0");
        return {frame > 0 && !d.contains("\xFF\xC2") ? int(le(d, frame + 4, 1) * le(d, frame + 9, 1)) : -1};
    }
    QList<int> bits;  // icon: the directory entry, its colour count and the bitmap's own header agree
    for (quint32 e = 0; e < le(d, 4, 2) && e < 16; ++e) {
        const qsizetype entry = 6 + 16 * e, bitmap = le(d, entry + 12, 4);
        const quint32 perPixel = le(d, entry + 6, 2);
        const bool agree = perPixel < 8 && le(d, entry + 2, 1) == 1u << perPixel && le(d, bitmap + 14, 2) == perPixel;
        bits << (agree ? int(perPixel) : -1);
    }
    return bits;
}

// The flags of a GIF's first graphic control extension and image
// descriptor, from walking the blocks after its global colour table.
std::pair<quint32, quint32> gifFlags(const QByteArray& d) {
    qsizetype at = 13 + (le(d, 10, 1) & 0x80 ? 3 << ((le(d, 10, 1) & 7) + 1) : 0);
    quint32 control = 0;
    for (; le(d, at, 1) == 0x21; ++at) {  // extensions, each ending in an empty sub-block
        if (le(d, at + 1, 1) == 0xF9)
            control = le(d, at + 3, 1);
        for (at += 2; at < d.size() && le(d, at, 1) != 0;)
            at += 1 + le(d, at, 1);
    }
    return {control, le(d, at, 1) == 0x2C ? le(d, at + 9, 1) : 0};
}

QList<QImage> readAll(const QString& path) {
    QImageReader reader(path);
    QList<QImage> images;
    for (int i = 0; i == 0 || reader.jumpToImage(i); ++i)
        images << reader.read();
    std::sort(images.begin(), images.end(), [](const QImage& a, const QImage& b) { return a.width() > b.width(); });
    return images;
}

// The mean difference of two images' channels, premultiplied, 0 to 255.
double difference(const QImage& a, const QImage& b) {
    const QImage p = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage q = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (p.size() != q.size())
        return 255;
    double sum = 0;
    for (qsizetype i = 0; i < p.sizeInBytes(); ++i)
        sum += qAbs(p.constBits()[i] - q.constBits()[i]);
    return sum / p.sizeInBytes();
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // A damaged file often still decodes, with only a warning from the
        // image reader: treat any warning as a failure.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void readsInItsFormatAndSize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("seeThrough");
        for (const Picture& p : pictures) {
            const QString path = QStringLiteral(":/pictures/") + p.name;
            QTest::newRow(qPrintable(p.name)) << path << p.format << p.sizes << p.bits << p.seeThrough;
            QList<QSize> doubled;
            for (const QSize& size : p.sizes)
                doubled << size * 2;
            QTest::newRow(qPrintable(doubleOf(p.name)))
                << doubleOf(path) << p.format << doubled << p.bits << p.seeThrough;
        }
        for (const int side : {16, 32, 48, 64, 128, 256}) {  // the application icon at every size
            const QString name = QStringLiteral("zelvar-%1.png").arg(side);
            // Window icons go up to 128 pixels; the larger one is only installed.
            const QString path =
                side <= 128 ? ":/pictures/icons/" + name : QStringLiteral(ZELVAR_PICTURES_DIR "/") + name;
            QTest::newRow(qPrintable(name)) << path << QByteArray("png") << QList<QSize>{{side, side}} << 32 << true;
        }
    }

    void readsInItsFormatAndSize() {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QList<QSize>, sizes);
        QFETCH(int, bits);
        QFETCH(bool, seeThrough);

        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.imageCount(), sizes.size());
        QList<QSize> found;
        for (const QImage& image : readAll(path)) {
            QCOMPARE(image.hasAlphaChannel(), seeThrough);
            found << image.size();
        }
        QCOMPARE(found, sizes);

        const QByteArray d = readResource(path);
        QCOMPARE(storedBits(d, format), QList<int>(sizes.size(), bits));
        if (format == "gif") {
            const auto [control, descriptor] = gifFlags(d);
            QVERIFY2(control & 0x01, "no transparent colour");
            QVERIFY2(descriptor & 0x40, "not interlaced");
            // The see-through ground and the drawing are each a real share
            // of the banner, and GIF has nothing between.
            const QImage alpha = QImage(path).convertToFormat(QImage::Format_Alpha8);
            const uchar *first = alpha.constBits(), *last = first + alpha.sizeInBytes();
            const qsizetype clear = std::count(first, last, 0), solid = std::count(first, last, 255);
            const qsizetype all = alpha.sizeInBytes();
            QVERIFY2(clear * 10 >= all && solid * 10 >= all && clear + solid == all,
                     qPrintable(QStringLiteral("%1 clear, %2 solid of %3").arg(clear).arg(solid).arg(all)));
        }
    }

    // The @2x copy is the same drawing, not another picture or a shifted one.
    void doubleShowsTheSamePicture_data() {
        QTest::addColumn<QString>("path");
        for (const Picture& p : pictures)
            QTest::newRow(qPrintable(p.name)) << QStringLiteral(":/pictures/") + p.name;
    }

    void doubleShowsTheSamePicture() {
        QFETCH(QString, path);
        const QList<QImage> single = readAll(path), twice = readAll(doubleOf(path));
        QCOMPARE(twice.size(), single.size());
        // Both reduced to half the 1x size, where the 16-colour icons' edges
        // no longer count for much.
        for (qsizetype i = 0; i < single.size(); ++i) {
            const QSize half = single[i].size() / 2;
            const double apart = difference(single[i].scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                            twice[i].scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            QVERIFY2(apart < 10, qPrintable(QStringLiteral("image %1: %2 apart").arg(i).arg(apart)));
        }
    }

    void splashLogoIsNotTheApplicationIcon() {
        const QImage app = readAll(QStringLiteral(":/pictures/zelvar.ico")).value(0);
        const QImage splash = readAll(QStringLiteral(":/pictures/splash-logo.ico")).value(0);
        QCOMPARE(app.size(), splash.size());
        QVERIFY(difference(app, splash) > 20);
    }

    // The scalable icon draws what the 256-pixel one shows, where Qt can
    // draw SVG; without the plugin it must at least be an SVG document.
    void scalableIconIsTheSameIcon() {
        const QString path = QStringLiteral(ZELVAR_PICTURES_DIR "/zelvar.svg");
        if (!QImageReader::supportedImageFormats().contains("svg")) {
            QXmlStreamReader xml(readResource(path));
            QVERIFY(xml.readNextStartElement());
            QCOMPARE(xml.name(), QStringLiteral("svg"));
            return;
        }
        QImageReader reader(path);
        reader.setScaledSize(QSize(256, 256));
        const QImage drawn = reader.read();
        QVERIFY2(!drawn.isNull(), qPrintable(reader.errorString()));
        const QImage png = readAll(QStringLiteral(ZELVAR_PICTURES_DIR "/zelvar-256.png")).value(0);
        const double apart = difference(drawn, png);
        QVERIFY2(apart < 4, qPrintable(QString::number(apart)));
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
