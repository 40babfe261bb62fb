#pragma once

#include <QStringList>
#include <QStyle>

#include <functional>

class QAction;
class QRadioButton;
class QWidget;

// Helpers that act on the program as a user would: clicks and keys go in
// through the window, so a modal window blocks them as it blocks a user.

void Click(QWidget& control);

// Where the style draws a part of an option button, in its own coordinates.
QRect Option_Part(QRadioButton& option, QStyle::SubElement part);
void Click_Menu(QWidget& window, const QString& command);
void Type_Into(QWidget& control, const QString& text);
void Press_Key(QWidget& control, int key);

// Runs an action that is expected to bring up a modal window and waits inside
// it; while the window is up, `answer` sees it and must close it. Returns false
// when no modal window came within the time limit (the action is then freed by
// closing every dialog), so that a test fails instead of hanging.
bool While_Modal(const std::function<void()>& action, const std::function<void(QWidget&)>& answer,
    int time_limit_ms = 5000);

// Whether this display has a clipboard: a compositor without a seat has none.
bool Has_Clipboard();

// Closes a message box or the About box with its OK button.
void Answer_OK(QWidget& modal_window);

// The text and title of a message box.
QString Message_Text(QWidget& message_box);

// What in a message box's look departs from a plain one (an OK button with
// an icon, text nearer one edge than the other); empty when nothing does.
QString Message_Look_Faults(QWidget& message_box);

// The object names of the visible top-level windows, sorted.
QStringList Visible_Windows();

// How many top-level windows carry that name, visible or not.
int Window_Count(const QString& name);

// Destroys what closing left for later, then lists the top-level windows that
// are still there: a test leaves none behind.
QStringList Stray_Windows();
