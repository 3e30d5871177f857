// The generated picture set as the program and a desktop will load it: every
// picture has a HiDPI twin of the same design, and the application icon comes
// in every installed size and as a scalable drawing.

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Mean absolute difference per channel (0..255) of two pictures of one size,
// colours weighted by alpha so transparent pixels do not count.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                   + std::abs(qBlue(p[col]) - qBlue(q[col])) + std::abs(qAlpha(p[col]) - qAlpha(q[col]));
    }
    return sum / (4.0 * x.width() * x.height());
}

QImage shrunk(const QImage &img, QSize size)
{
    return img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString imgRoot()
{
    return QCoreApplication::applicationDirPath() + u"/img"_s;
}

QString themeIcon(const QString &folder, const QString &ext = u"png"_s)
{
    return QStringLiteral(TORVANE_ICON_THEME) + u'/' + folder + u"/apps/com.example.Torvane."_s + ext;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureHasADoubleDensityTwin_data()
    {
        QTest::addColumn<QString>("plain");
        QDirIterator it(imgRoot(), {u"*.png"_s, u"*.jpg"_s}, QDir::Files, QDirIterator::Subdirectories);
        int plain = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains(u"@2x."_s))
                continue;
            QTest::newRow(qPrintable(path.mid(imgRoot().size() + 1))) << path;
            ++plain;
        }
        QVERIFY2(plain > 0, "no pictures generated");
    }

    void everyPictureHasADoubleDensityTwin()
    {
        QFETCH(QString, plain);
        const qsizetype dot = plain.lastIndexOf(u'.');
        const QString twin = plain.left(dot) + u"@2x"_s + plain.mid(dot);
        const QImage one(plain), two(twin);
        QVERIFY2(!one.isNull(), qPrintable(plain));
        QVERIFY2(!two.isNull(), qPrintable(u"missing or unreadable: "_s + twin));
        QCOMPARE(two.size(), one.size() * 2);
        // Same design at the same place: shrunk back, the twin is close to the
        // plain picture (only edges and text rasterise differently).
        const double diff = meanDifference(shrunk(two, one.size()), one);
        QVERIFY2(diff < 8.0, qPrintable(u"differs by %1 per channel"_s.arg(diff)));
    }

    void noTwinWithoutAPlainPicture()
    {
        QDirIterator it(imgRoot(), {u"*@2x.png"_s, u"*@2x.jpg"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString twin = it.next();
            QVERIFY2(QFile::exists(QString(twin).replace(u"@2x."_s, u"."_s)), qPrintable(twin));
        }
    }

    void iconInEveryInstalledSize()
    {
        const QImage large(themeIcon(u"256x256"_s));
        QCOMPARE(large.size(), QSize(256, 256));
        for (const int size : {48, 128, 256}) {
            const QString dim = QString::number(size);
            const QImage icon(themeIcon(dim + u'x' + dim));
            QVERIFY2(!icon.isNull(), qPrintable(dim));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            // A round emblem on a transparent square, in the same place at every size.
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
            const double diff = meanDifference(shrunk(large, icon.size()), icon);
            QVERIFY2(diff < 6.0, qPrintable(u"%1 px differs by %2"_s.arg(size).arg(diff)));
        }
    }

    void scalableIconDrawsTheSameEmblem()
    {
        QSvgRenderer svg(themeIcon(u"scalable"_s, u"svg"_s));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBoxF(), QRectF(0, 0, 256, 256));
        QImage drawn(256, 256, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter p(&drawn);
        svg.render(&p);
        p.end();
        const double diff = meanDifference(drawn, QImage(themeIcon(u"256x256"_s)));
        QVERIFY2(diff < 6.0, qPrintable(u"differs by %1 per channel"_s.arg(diff)));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
