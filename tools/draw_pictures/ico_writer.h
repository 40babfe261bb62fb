#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

class QImage;

// Encodes a square image, 32 or 64 pixels wide, whose colours all come from a palette of 16 as a
// one-image icon file of 4 bits per pixel, fully opaque.
QByteArray Encode_16_Colour_Icon(const QImage& image, const QList<QRgb>& palette);
