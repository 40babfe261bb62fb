#include "main_form.h"

#include "Which_PC_Card.h"
#include "classic_look.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

void Main_Form::Set_Up_Window()
{
    Connect_Menu_Command("Exit", &Main_Form::Exit_Click);
    Connect_Menu_Command("Restart", &Main_Form::Restart_Click);
    Connect_Menu_Command("About", &Main_Form::About_Click);
    // Also called while the window goes and its controls give up the focus:
    // nothing of the window is asked then.
    connect(qApp, &QApplication::focusChanged, this,
        [this, menu_bar = menuBar()](QWidget* old, QWidget* now) {
            if (now == menu_bar && old && old->window() == this)
                focus_before_menu_ = old;
        });
    Dress_Fields_Over_Pictures(*centralWidget());

    // The height that the window's layout gives the menu bar, which some
    // styles (Windows 10's) size a pixel apart from its size hint.
    const QSize client = size();
    const int menu_height = menuBar()->heightForWidth(client.width());
    resize(client.width(), client.height() + menu_height);

    // Windows with a designed start position place their client area there;
    // the others are left to the window manager.
    const QVariant client_position = property("clientPosition");
    if (client_position.isValid()) {
        const QPoint position = client_position.toPoint();
        setGeometry(position.x(), position.y() - menu_height, width(), height());
    }
}

void Main_Form::Connect_Menu_Command(const char* name, void (Main_Form::*handler)())
{
    if (auto* command = findChild<QAction*>(name))
        connect(command, &QAction::triggered, this, handler);
}

void Main_Form::Exit_Click()
{
    application().End();
}

void Main_Form::Restart_Click()
{
    application().Hide(*this);
    auto& first_chooser = application().Get<Which_PC_Card>();
    application().Select(first_chooser.Option_Product(Which_PC_Card::Placeholder));
    application().Show(first_chooser);
}

// The menu bar keeps the focus that the keyboard gave it when a modal box
// opened from it closes: the keyboard, and a screen reader, would find no
// control. It goes back to where it was.
void Main_Form::About_Click()
{
    application().Show_About(*this, About_Modality::Modal);
    if (focusWidget() == menuBar() && focus_before_menu_)
        focus_before_menu_->setFocus(Qt::MenuBarFocusReason);
}

void Main_Form::Form_Unload()
{
    application().End();
}

void Main_Form::Form_Terminate()
{
    application().End();
}

void Main_Form::closeEvent(QCloseEvent* event)
{
    if (!application().Ended())
        Form_Unload();
    event->accept();
}
