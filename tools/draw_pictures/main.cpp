// Draws the pictures and icons that Keywright shows, into a resources folder:
//   draw_pictures <resources folder>
// Run it by hand after changing a drawing, and commit what it writes.

#include "gif_writer.h"
#include "ico_writer.h"
#include "marks.h"
#include "screenshots.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QStyle>

#include <cstdio>

namespace {

bool Write_File(const QString& path, const QByteArray& bytes)
{
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

// The desktop's icon themes take PNG rather than icon files.
QByteArray Encode_Png(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return buffer.data();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The look of the dialogs' day.
    QApplication::setStyle("Windows");
    QApplication::setPalette(QApplication::style()->standardPalette());
    if (argc != 2) {
        std::fprintf(stderr, "Usage: draw_pictures <resources folder>\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    resources.mkpath("pictures");
    resources.mkpath("icons");

    const QImage utility_64 = Draw_Kn40_Utility(64);
    const bool written = Write_File(resources.filePath("pictures/tarvex_logo.gif"),
                             Encode_Gif(Draw_Logo(), Gif_Version::Gif87a))
        && Write_File(resources.filePath("pictures/kn40_utility_64_bit.gif"),
            Encode_Gif(utility_64, Gif_Version::Gif89a))
        && Write_File(
            resources.filePath("pictures/kn40_utility_64_bit.jpg"), Encode_Jpeg(utility_64))
        && Write_File(resources.filePath("pictures/kn40_utility_128_bit.gif"),
            Encode_Gif(Draw_Kn40_Utility(128), Gif_Version::Gif89a))
        && Write_File(resources.filePath("pictures/client_manager_adhoc.gif"),
            Encode_Gif(Draw_Client_Manager(), Gif_Version::Gif89a))
        && Write_File(resources.filePath("icons/working_window.ico"),
            Encode_16_Colour_Icon(Draw_Icon(Working_Window_Blue), Icon_Palette()))
        && Write_File(resources.filePath("icons/program.ico"),
            Encode_16_Colour_Icon(Draw_Icon(Icon_White), Icon_Palette()))
        && Write_File(resources.filePath("icons/program.png"), Encode_Png(Draw_Icon(Icon_White)));
    return written ? 0 : 1;
}
