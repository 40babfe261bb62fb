#pragma once

// What the windows tell assistive technology, a screen reader above all,
// beyond Qt's own account of them. The same interfaces serve AT-SPI on Linux
// and UI Automation on Windows.
//
// - A picture is an image, with its name and description.
// - A frame drawn as a line is a separator.
// - A layout may give a control the role it plays in its dynamic property
//   "accessibleRole", a name of QAccessible::Role, or "Prompted": the client
//   areas, named by their prompts (the role differs by platform; see the
//   build).
// - Labels whose buddy is their own parent name it: a prompt names its
//   client area, which a screen reader says as the focus enters it. A line
//   whose buddy is the line below goes on there: the About box's title and
//   version lines are read as one, and the name changes with the last line.
// - A line edit reports its text as one run, so that a screen reader reads
//   its line whole.
// - A result is told as it comes (Announcement, Show_Focused_Result): to a
//   screen reader under AT-SPI as an appearing notification object or a box
//   that takes the focus; under UI Automation, as a notification, which
//   Narrator and NVDA speak, or by the focus change itself.
//
// Qt builds a control's interface at the first accessibility event, which
// setupUi already raises; the roles are decided from what the layout sets
// before that: the class, the frame shape and the dynamic properties.

#include <QWidget>

class QEvent;
class QLineEdit;

// Installed once, before any window exists.
void Install_Accessible_Roles();

// What a window says to a screen reader unasked. It takes no room and draws
// nothing, and it is withdrawn when its window hides, so that a screen
// reader's review never finds a result that has gone.
class Announcement final : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget& parent);

    void Say(const QString& text);
    void Withdraw();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Puts a result into a box, which takes the focus with the result selected,
// and tells a screen reader of it by the box's name and text. Under AT-SPI,
// Qt reports the cursor move of the new text before the focus; a screen
// reader that comes to that report once the box has the focus takes the box
// as focused already and never announces it. So the focus is reported first
// as well, where it will come: Orca 48 presents it as it comes, or drops it
// for Qt's own report; and the cursor last, which makes Orca 43 drop the
// early report of the cursor. Under UI Automation, Qt's own focus change is
// the one report; a box that did not take the focus tells the result as a
// notification there.
void Show_Focused_Result(QLineEdit& box, const QString& text);

// Says a text as a notification where the platform has them (UI Automation,
// whose Narrator and NVDA speak it as it comes); under AT-SPI an appearing
// notification object says it instead.
void Notify(QWidget& source, const QString& text);

// Whether the windows speak through UI Automation (Windows) or AT-SPI.
bool Through_UI_Automation();

// Whether the event is a copy of a bare Alt key that Qt's AT-SPI bridge
// posts once a screen reader has seen the key: the application counts it as
// a second press, which opens the menu bar's keyboard mode and closes it
// again at once. Such copies are dropped; the real press has done its work.
bool Is_Screen_Reader_Copy_Of_Alt(const QEvent& event);
