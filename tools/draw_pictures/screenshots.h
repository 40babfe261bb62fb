#pragma once

#include <QImage>

// Pictures of the dialogs into which the user types a converted key, drawn
// with real widgets in the look of their day, at `scale` device pixels per
// pixel.

// The older card's utility on its Encryption tab, set to 64 or 128 bit.
QImage Draw_Kn40_Utility(int key_bits, int scale);

// The newer cards' client manager, editing an ad-hoc profile.
QImage Draw_Client_Manager(int scale);
