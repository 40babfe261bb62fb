#include "KN40_Entry.h"

#include "accessibility.h"
#include "controls.h"
#include "key_conversion.h"
#include "message_box.h"
#include "overloaded.h"
#include "ui_KN40_Entry.h"
#include "version.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

KN40_Entry::KN40_Entry(Application& application)
    : Main_Form(application, Ui::KN40_Entry()),
      boxes_(Find_Control_Row<QLineEdit>(*this, "Text_128_Bit_Keys")),
      key_box_(&Find_Control<QLineEdit>(*this, "Text_WEP"))
{
    for (QLineEdit* box : boxes_)
        box->installEventFilter(this);
    connect(&Find_Control<QPushButton>(*this, "Convert_Button"), &QPushButton::clicked, this,
        &KN40_Entry::Convert_Button_Click);
}

void KN40_Entry::Convert_Button_Click()
{
    // A second press starts from nothing, never from the last key.
    key_box_->clear();

    Box_Texts box_texts;
    std::transform(boxes_.begin(), boxes_.end(), box_texts.begin(),
        [](const QLineEdit* box) { return box->text().toStdU16String(); });

    std::visit(Overloaded{[this](const Box_Rejection& rejection) {
                              Report(QString::fromStdU16String(rejection.Message));
                              Move_Focus_To_Box(rejection.Box_Index);
                              boxes_[rejection.Box_Index]->selectAll();
                          },
                   [this](const Count_Rejection& rejection) {
                       // The user sees which characters the used boxes make.
                       key_box_->setText(QString::fromStdU16String(rejection.Key_Text));
                       Report(QString::fromStdU16String(rejection.Message));
                       key_box_->clear();
                       Move_Focus_To_Box(0);
                   },
                   [this](const std::u16string& key_text) {
                       Show_Focused_Result(*key_box_, QString::fromStdU16String(key_text));
                   }},
        Hex_To_Ascii_Key(box_texts));
}

void KN40_Entry::Report(const QString& message)
{
    Show_Message(*this, Program_Name, message);
}

// While the window does not have the keyboard (after a message, until the
// window system hands it back; on Wayland the compositor decides when), the
// box gets no focus event now, so its handler runs here.
void KN40_Entry::Move_Focus_To_Box(int index)
{
    QLineEdit* box = boxes_[index];
    box->setFocus();
    if (!box->hasFocus())
        Text_128_Bit_Keys_GotFocus(index);
}

void KN40_Entry::Text_128_Bit_Keys_GotFocus(int index)
{
    boxes_[index]->selectAll();
}

namespace {

// Focus that leaves and comes back with the window, a popup or the menu bar,
// not with a move of the user or the program.
bool Leaves_With_The_Window(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason;
}

} // namespace

void KN40_Entry::Box_Focus_Changed(int index, const QFocusEvent& event)
{
    QLineEdit* box = boxes_[index];
    const bool with_the_window = Leaves_With_The_Window(event.reason());
    if (event.lostFocus()) {
        box_left_ = with_the_window ? box : nullptr;
        return;
    }
    const bool coming_back = with_the_window && box == box_left_;
    box_left_ = nullptr;
    if (!coming_back)
        Text_128_Bit_Keys_GotFocus(index);
}

bool KN40_Entry::eventFilter(QObject* watched, QEvent* event)
{
    const auto box = std::find(boxes_.begin(), boxes_.end(), watched);
    if (box != boxes_.end()
        && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        Box_Focus_Changed(
            static_cast<int>(box - boxes_.begin()), static_cast<QFocusEvent&>(*event));
    return Main_Form::eventFilter(watched, event);
}
