#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s", qPrintable(path));
    return file.readAll();
}

int Word(const QByteArray& bytes, int offset)
{
    return quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8;
}

int Colour_Count(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

// The frame header of a JPEG: whether it is baseline, and the sampling
// factors of its components, as "Y:22 Cb:11 Cr:11".
QString Jpeg_Frame(const QByteArray& jpeg, bool* baseline)
{
    int offset = 2;
    while (offset + 4 < jpeg.size() && quint8(jpeg[offset]) == 0xFF) {
        const int marker = quint8(jpeg[offset + 1]);
        const int length = quint8(jpeg[offset + 2]) << 8 | quint8(jpeg[offset + 3]);
        if (marker >= 0xC0 && marker <= 0xC3) {
            *baseline = marker == 0xC0;
            QStringList components;
            const int count = quint8(jpeg[offset + 9]);
            for (int i = 0; i < count; ++i) {
                const int id = quint8(jpeg[offset + 10 + 3 * i]);
                const int sampling = quint8(jpeg[offset + 11 + 3 * i]);
                components << QString("%1:%2")
                                  .arg(QStringList{"?", "Y", "Cb", "Cr"}.value(id, "?"))
                                  .arg(sampling, 2, 16, QChar('0'));
            }
            return components.join(' ');
        }
        offset += 2 + length;
    }
    return "no frame header";
}

} // namespace

class tst_pictures : public QObject {
    Q_OBJECT

private slots:
    void gif_pictures_data();
    void gif_pictures();
    void jpeg_copy_is_baseline_with_4_2_0_sampling();
    void icons_data();
    void icons();
};

void tst_pictures::gif_pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<QSize>("size");
    QTest::newRow("logo") << ":/pictures/tarvex_logo.gif" << QByteArray("GIF87a") << QSize(127, 30);
    QTest::newRow("64-bit utility")
        << ":/pictures/kn40_utility_64_bit.gif" << QByteArray("GIF89a") << QSize(344, 403);
    QTest::newRow("128-bit utility")
        << ":/pictures/kn40_utility_128_bit.gif" << QByteArray("GIF89a") << QSize(344, 403);
    QTest::newRow("client manager")
        << ":/pictures/client_manager_adhoc.gif" << QByteArray("GIF89a") << QSize(356, 322);
}

void tst_pictures::gif_pictures()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, signature);
    QFETCH(QSize, size);

    const QByteArray gif = Read(path);
    QCOMPARE(gif.left(6), signature);
    QCOMPARE(QSize(Word(gif, 6), Word(gif, 8)), size);
    const QImage image = QImage::fromData(gif, "gif");
    QCOMPARE(image.size(), size);
    QVERIFY(Colour_Count(image) <= 256);
    QVERIFY2(Colour_Count(image) > 2, "the picture is not blank");
}

void tst_pictures::jpeg_copy_is_baseline_with_4_2_0_sampling()
{
    const QByteArray jpeg = Read(":/pictures/kn40_utility_64_bit.jpg");
    QCOMPARE(jpeg.left(2), QByteArray("\xFF\xD8"));
    bool baseline = false;
    QCOMPARE(Jpeg_Frame(jpeg, &baseline), QString("Y:22 Cb:11 Cr:11"));
    QVERIFY(baseline);
    QCOMPARE(QImage::fromData(jpeg, "jpeg").size(), QSize(344, 403));
}

void tst_pictures::icons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRgb>("background");
    QTest::newRow("working window") << ":/icons/working_window.ico" << qRgb(10, 36, 106);
    QTest::newRow("program") << ":/icons/program.ico" << qRgb(255, 255, 255);
}

void tst_pictures::icons()
{
    QFETCH(QString, path);
    QFETCH(QRgb, background);

    const QByteArray icon = Read(path);
    QCOMPARE(Word(icon, 2), 1); // an icon, not a cursor
    QCOMPARE(Word(icon, 4), 1); // one image
    QCOMPARE(quint8(icon[6]), quint8(32));
    QCOMPARE(quint8(icon[7]), quint8(32));
    QCOMPARE(quint8(icon[8]), quint8(16)); // colours
    QCOMPARE(Word(icon, 12), 4); // bits per pixel

    const QImage image = QImage::fromData(icon, "ico");
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(Colour_Count(image) <= 16);
    QCOMPARE(image.pixel(0, 0) | 0xFF000000, background | 0xFF000000);
    QCOMPARE(image.pixel(16, 4) | 0xFF000000, qRgb(255, 0, 0)); // the red mark
}

QTEST_APPLESS_MAIN(tst_pictures)
#include "tst_pictures.moc"
