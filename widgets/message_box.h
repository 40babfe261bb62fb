#pragma once

#include <QString>

class QWidget;

// Reports a user's mistake: modal, no icon, an OK button only.
void Show_Message(QWidget& parent, const QString& title, const QString& text);
