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

QSet<QRgb> Colours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) | 0xFF000000);
    }
    return colours;
}

int Colour_Count(const QImage& image)
{
    return int(Colours(image).size());
}

// The colours of a GIF's global colour table.
QSet<QRgb> Gif_Table(const QByteArray& gif)
{
    QSet<QRgb> table;
    const int entries = 2 << (quint8(gif[10]) & 7);
    for (int entry = 0; entry < entries; ++entry) {
        const int offset = 13 + 3 * entry;
        table.insert(qRgb(quint8(gif[offset]), quint8(gif[offset + 1]), quint8(gif[offset + 2])));
    }
    return table;
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
    QTest::addColumn<QList<QRgb>>("kept"); // colours that must stand exactly

    const QList<QRgb> dialog
        = {qRgb(10, 36, 106), qRgb(212, 208, 200), qRgb(0, 0, 0), qRgb(255, 255, 255)};
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? ".gif" : "@2x.gif";
        QTest::addRow("logo, %dx", scale)
            << ":/pictures/tarvex_logo" + suffix << QByteArray("GIF87a") << QSize(127, 30) * scale
            << QList<QRgb>{qRgb(255, 0, 0), qRgb(255, 255, 255)};
        QTest::addRow("64-bit utility, %dx", scale)
            << ":/pictures/kn40_utility_64_bit" + suffix << QByteArray("GIF89a")
            << QSize(344, 403) * scale << dialog;
        QTest::addRow("128-bit utility, %dx", scale)
            << ":/pictures/kn40_utility_128_bit" + suffix << QByteArray("GIF89a")
            << QSize(344, 403) * scale << dialog;
        QTest::addRow("client manager, %dx", scale)
            << ":/pictures/client_manager_adhoc" + suffix << QByteArray("GIF89a")
            << QSize(356, 322) * scale << dialog;
    }
}

// The colour table holds exactly the colours drawn, the designed ones among them.
void tst_pictures::gif_pictures()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, signature);
    QFETCH(QSize, size);
    QFETCH(QList<QRgb>, kept);

    const QByteArray gif = Read(path);
    QCOMPARE(gif.left(6), signature);
    QCOMPARE(QSize(Word(gif, 6), Word(gif, 8)), size);
    const QImage image = QImage::fromData(gif, "gif");
    QCOMPARE(image.size(), size);
    QVERIFY2(Colour_Count(image) > 2, "the picture is not blank");
    const QSet<QRgb> drawn = Colours(image);
    QCOMPARE(Gif_Table(gif), drawn);
    for (const QRgb colour : kept)
        QVERIFY2(drawn.contains(colour), qPrintable(QColor(colour).name()));
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
