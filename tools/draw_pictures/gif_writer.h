#pragma once

#include <QByteArray>

class QImage;

enum class Gif_Version { Gif87a, Gif89a };

// Encodes an image as a single-frame GIF whose global colour table holds
// exactly the colours drawn; empty when the image has more than 256 colours,
// which a drawing here never needs. Qt reads GIF but cannot write it.
QByteArray Encode_Gif(const QImage& image, Gif_Version version);
