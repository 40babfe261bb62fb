#include "frmAbout.h"

#include "application.h"
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
    setWindowTitle(QStringLiteral("About ") + Application::Title);
    Find_Control<QLabel>(*this, "lblVersion")
        .setText(QStringLiteral("Version %1.%2.%3")
                     .arg(Version_Major)
                     .arg(Version_Minor)
                     .arg(Version_Revision));
}

void frmAbout::cmdOK_Click()
{
    close();
}
