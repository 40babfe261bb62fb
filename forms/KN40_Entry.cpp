#include "KN40_Entry.h"

#include "controls.h"
#include "key_conversion.h"
#include "message_box.h"
#include "overloaded.h"
#include "ui_KN40_Entry.h"

#include <QEvent>
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
                              QLineEdit* box = boxes_[rejection.Box_Index];
                              box->setFocus();
                              box->selectAll();
                          },
                   [this](const Count_Rejection& rejection) {
                       // The user sees which characters the used boxes make.
                       key_box_->setText(QString::fromStdU16String(rejection.Key_Text));
                       Report(QString::fromStdU16String(rejection.Message));
                       key_box_->clear();
                       boxes_.front()->setFocus();
                   },
                   [this](const std::u16string& key_text) {
                       key_box_->setText(QString::fromStdU16String(key_text));
                       key_box_->setFocus();
                       key_box_->selectAll();
                   }},
        Hex_To_Ascii_Key(box_texts));
}

void KN40_Entry::Report(const QString& message)
{
    Show_Message(*this, Application::Title, message);
}

void KN40_Entry::Text_128_Bit_Keys_GotFocus(int index)
{
    boxes_[index]->selectAll();
}

bool KN40_Entry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto box = std::find(boxes_.begin(), boxes_.end(), watched);
        if (box != boxes_.end())
            Text_128_Bit_Keys_GotFocus(static_cast<int>(box - boxes_.begin()));
    }
    return Main_Form::eventFilter(watched, event);
}
