#include "application.h"

#include "KN40_Entry.h"
#include "KN45_Entry.h"
#include "KN75_Entry.h"
#include "KN85_Entry.h"
#include "KN95_Entry.h"
#include "Product_Selection_KNx0.h"
#include "Product_Selection_KNx5.h"
#include "Which_PC_Card.h"
#include "accessibility.h"
#include "classic_look.h"
#include "frmAbout.h"
#include "version.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>

namespace {

constexpr char Dialog_Font_Family[] = "MS Shell Dlg 2";

} // namespace

Application::Application(const std::optional<QPalette>& contrast_colours, QObject* parent)
    : QObject(parent), in_contrast_(contrast_colours.has_value())
{
    Q_INIT_RESOURCE(keywright);
    QCoreApplication::setApplicationName(Program_Name);
    QCoreApplication::setApplicationVersion(Version_Text);
    // Navigation hides one window before it shows the next; only End() quits.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
    // The windows were laid out for the classic dialog font, whose captions
    // fill their labels; a face of the same widths stands in where it is missing.
    QFont::insertSubstitutions(Dialog_Font_Family, {"Tahoma", "Liberation Sans", "Arial"});
    QFont dialog_font(Dialog_Font_Family);
    dialog_font.setPixelSize(10);
    Apply_Look(*qApp, dialog_font, contrast_colours);
    Install_Accessible_Roles();
}

Application::~Application()
{
    // Releasing a form runs its terminate handler, which ends the program;
    // after an End() nothing runs any more.
    std::apply(
        [this](auto&... form) { ((form && !ended_ ? form->Form_Terminate() : void()), ...); },
        forms_);
    delete about_box_;
}

void Application::Start()
{
    Show(Get<Which_PC_Card>());
}

template <class Form> Form& Application::Get()
{
    auto& form = std::get<std::unique_ptr<Form>>(forms_);
    if (!form) {
        form = std::make_unique<Form>(*this);
        Dress(*form);
        form->Form_Load();
    }
    return *form;
}

template Which_PC_Card& Application::Get<Which_PC_Card>();
template Product_Selection_KNx0& Application::Get<Product_Selection_KNx0>();
template Product_Selection_KNx5& Application::Get<Product_Selection_KNx5>();
template KN40_Entry& Application::Get<KN40_Entry>();
template KN45_Entry& Application::Get<KN45_Entry>();
template KN75_Entry& Application::Get<KN75_Entry>();
template KN85_Entry& Application::Get<KN85_Entry>();
template KN95_Entry& Application::Get<KN95_Entry>();

void Application::Dress(QWidget& window) const
{
    if (in_contrast_)
        Give_Way_To_Contrast(window);
}

void Application::Raise_If_Failing(Window_Operation operation)
{
    if (failing_operation_ != operation)
        return;
    failing_operation_.reset();
    throw Window_Failure(operation == Window_Operation::Show ? "The window could not be shown."
                                                             : "The window could not be hidden.");
}

void Application::Show(QWidget& window)
{
    Raise_If_Failing(Window_Operation::Show);
    window.show();
    window.activateWindow();
}

void Application::Hide(QWidget& window)
{
    Raise_If_Failing(Window_Operation::Hide);
    window.hide();
}

void Application::Select(QAbstractButton& option)
{
    option.setChecked(true);
}

void Application::Show_About(QWidget& over, About_Modality modality)
{
    if (!about_box_) {
        about_box_ = new frmAbout(over);
        Dress(*about_box_);
        connect(about_box_, &QDialog::finished, this, [this] { about_box_.clear(); });
        about_box_->Form_Load();
    } else if (about_box_->parentWidget() != &over) {
        // The one box moves over the form that asks for it.
        about_box_->setParent(&over, about_box_->windowFlags());
    }

    if (modality == About_Modality::Modal) {
        about_box_->hide(); // modality takes effect at the next showing
        about_box_->exec();
    } else {
        Show(*about_box_);
    }
}

void Application::End()
{
    if (ended_)
        return;
    ended_ = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    emit Program_Ended();
}

frmAbout* Application::About_Box() const
{
    return about_box_;
}
