#pragma once

#include <QDialog>

class QWidget;

// The About box. Every About loads it anew; OK, Esc or closing its window
// unloads it, and never ends the program.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget& over);

    void Form_Load();
    void cmdOK_Click();
};
