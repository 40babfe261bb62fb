#pragma once

#include <QByteArray>

class QImage;

enum class Gif_Version { Gif87a, Gif89a };

// Encodes an image as a single-frame GIF with a global colour table; the image
// is reduced to at most 256 colours first. Qt reads GIF but cannot write it.
QByteArray Encode_Gif(const QImage& image, Gif_Version version);
