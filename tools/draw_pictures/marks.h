#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// The maker's logo, the two icons and the installer's pictures, drawn from
// the maker's red mark at `scale` device pixels per pixel.

QImage Draw_Logo(int scale); // 127 x 30, the mark and the word Tarvex on white
QImage Draw_Installer_Side(); // 164 x 314, beside the installer's first and last page
QImage Draw_Installer_Header(); // 150 x 57, in the head of the installer's other pages
QImage Draw_Icon(QRgb background, int scale); // 32 x 32, the mark on a plain background
const QList<QRgb>& Icon_Palette(); // the 16 colours of every icon

inline constexpr QRgb Working_Window_Blue = 0xFF0A246A; // RGB(10, 36, 106)
inline constexpr QRgb Icon_White = 0xFFFFFFFF;
