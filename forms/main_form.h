#pragma once

#include "application.h"

#include <QMainWindow>
#include <QPointer>

#include <utility>

// What the eight main windows share: the menu commands Exit, Restart and
// About, the ending of the program when a window is closed, and the window's
// designed size and place.
class Main_Form : public QMainWindow {
    Q_OBJECT

public:
    // Runs once, when the application first creates the form.
    virtual void Form_Load() { }

    void Exit_Click();
    void Restart_Click();
    virtual void About_Click();
    void Form_Unload();
    void Form_Terminate();

protected:
    // The layout's window size is the size of the client area below the menu bar.
    template <class Ui_Form>
    Main_Form(Application& application, Ui_Form&& layout) : application_(application)
    {
        layout.setupUi(this);
        Set_Up_Window();
    }

    Application& application() const { return application_; }

    void closeEvent(QCloseEvent* event) override;

private:
    void Set_Up_Window();
    void Connect_Menu_Command(const char* name, void (Main_Form::*handler)());

    Application& application_;
    // Where the focus was before the keyboard went into the menu bar.
    QPointer<QWidget> focus_before_menu_;
};
