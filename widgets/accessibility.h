#pragma once

// What the windows tell assistive technology, a screen reader above all,
// beyond Qt's own account of them. The same interfaces serve AT-SPI on Linux
// and UI Automation on Windows.
//
// - A picture is an image, with its name and description.
// - A frame drawn as a line is a separator.
// - A layout may give a control the role it plays in its dynamic property
//   "accessibleRole", a name of QAccessible::Role: the client areas are
//   "Grouping".
// - Labels whose buddy is their own parent name it: a prompt names its
//   client area, which a screen reader says as the focus enters it, and the
//   About box is named by its title and version lines.
// - A line edit reports its text as one run, so that a screen reader reads
//   its line whole.
//
// Qt builds a control's interface at the first accessibility event, which
// setupUi already raises; the roles are decided from what the layout sets
// before that: the class, the frame shape and the dynamic properties.

#include <QWidget>

class QLineEdit;

// Installed once, before any window exists.
void Install_Accessible_Roles();

// What a window says to a screen reader unasked: a notification, which the
// screen reader reads as it appears and keeps in its history. It takes no
// room and draws nothing.
class Announcement final : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget& parent);

    void Say(const QString& text);
};

// Reports again where the text cursor of a box stands, once the focus has
// moved into it. Qt reports the cursor move of a new text as it happens; a
// screen reader that comes to such a report once the box has the focus takes
// the box as focused already and never announces it, unless a later report
// makes it drop the earlier one.
void Report_Cursor(QLineEdit& box);
