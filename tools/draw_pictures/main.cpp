// Draws the pictures and icons that Keywright shows, into a resources folder:
//   draw_pictures <resources folder>
// Run it by hand after changing a drawing, and commit what it writes.

#include "classic_look.h"
#include "gif_writer.h"
#include "ico_writer.h"
#include "marks.h"
#include "screenshots.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cstdio>
#include <functional>

namespace {

bool Write_File(const QString& path, const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        std::fprintf(
            stderr, "Cannot encode %s (a GIF takes 256 colours at most)\n", qPrintable(path));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A baseline JPEG; libjpeg's defaults give YCbCr with 2 x 2 chroma subsampling.
QByteArray Encode_Jpeg(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    writer.write(image);
    return buffer.data();
}

// The installer takes its pictures as bitmaps.
QByteArray Encode_Bmp(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "bmp");
    return buffer.data();
}

// The desktop's icon themes take PNG rather than icon files.
QByteArray Encode_Png(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return buffer.data();
}

// One file that the generator writes, at each scale that it comes in.
struct Picture_File {
    QString path; // of the picture at scale 1; "@2x" goes before the suffix
    std::function<QByteArray(int scale)> draw;
    QList<int> scales = {1, 2};
};

QString Path_At_Scale(const QString& path, int scale)
{
    if (scale == 1)
        return path;
    const qsizetype dot = path.lastIndexOf('.');
    return path.left(dot) + QString("@%1x").arg(scale) + path.mid(dot);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The look of the dialogs' day, in the colours that the program's windows use.
    QApplication::setStyle("Windows");
    QApplication::setPalette(Classic_Palette());
    if (argc != 2) {
        std::fprintf(stderr, "Usage: draw_pictures <resources folder>\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    resources.mkpath("pictures");
    resources.mkpath("icons");
    resources.mkpath("installer");

    const QList<Picture_File> files = {
        {"pictures/tarvex_logo.gif",
            [](int scale) { return Encode_Gif(Draw_Logo(scale), Gif_Version::Gif87a); }},
        {"pictures/kn40_utility_64_bit.gif",
            [](int scale) {
                return Encode_Gif(Draw_Kn40_Utility(64, scale), Gif_Version::Gif89a);
            }},
        {"pictures/kn40_utility_64_bit.jpg",
            [](int scale) { return Encode_Jpeg(Draw_Kn40_Utility(64, scale)); }},
        {"pictures/kn40_utility_128_bit.gif",
            [](int scale) {
                return Encode_Gif(Draw_Kn40_Utility(128, scale), Gif_Version::Gif89a);
            }},
        {"pictures/client_manager_adhoc.gif",
            [](int scale) { return Encode_Gif(Draw_Client_Manager(scale), Gif_Version::Gif89a); }},
        {"icons/working_window.ico",
            [](int scale) {
                return Encode_16_Colour_Icon(Draw_Icon(Working_Window_Blue, scale), Icon_Palette());
            }},
        // The program file's icon has one image, of 32 pixels.
        {"icons/program.ico",
            [](int scale) {
                return Encode_16_Colour_Icon(Draw_Icon(Icon_White, scale), Icon_Palette());
            },
            {1}},
        {"icons/program.png", [](int scale) { return Encode_Png(Draw_Icon(Icon_White, scale)); }},
        {"installer/side.bmp", [](int) { return Encode_Bmp(Draw_Installer_Side()); }, {1}},
        {"installer/header.bmp", [](int) { return Encode_Bmp(Draw_Installer_Header()); }, {1}},
    };
    for (const Picture_File& file : files) {
        for (const int scale : file.scales) {
            if (!Write_File(resources.filePath(Path_At_Scale(file.path, scale)), file.draw(scale)))
                return 1;
        }
    }
    return 0;
}
