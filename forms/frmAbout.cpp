#include "frmAbout.h"

#include "controls.h"
#include "ui_frmAbout.h"
#include "version.h"

#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget& over) : QDialog(&over)
{
    Ui::frmAbout().setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose); // closing is unloading
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setGeometry(QRect(property("clientPosition").toPoint(), size())); // places the client area
    connect(&Find_Control<QPushButton>(*this, "cmdOK"), &QPushButton::clicked, this,
        &frmAbout::cmdOK_Click);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + Program_Name);
    const QString version
        = QString::asprintf("Version %d.%d.%d", Version_Major, Version_Minor, Version_Revision);
    Find_Control<QLabel>(*this, "lblVersion").setText(version);
}

void frmAbout::cmdOK_Click()
{
    close();
}
