#include "ascii_entry_form.h"

#include "accessibility.h"
#include "controls.h"
#include "message_box.h"
#include "overloaded.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Heading_64 = QStringLiteral(
    "Enter the following information into your KN40 configuration utility under 64-bit "
    "Encryption Manual Entry:");
const QString Heading_128 = QStringLiteral(
    "Enter the following information into your KN40 configuration utility under 128-bit "
    "Encryption Manual Entry:");

} // namespace

void Ascii_Entry_Form::Set_Up_Conversion()
{
    key_box_ = &Find_Control<QLineEdit>(*this, "Text_WEP");
    heading_ = &Find_Control<QLabel>(*this, "Label_Question_1");
    announcement_ = new Announcement(*centralWidget());
    connect(&Find_Control<QPushButton>(*this, "Convert_Button"), &QPushButton::clicked, this,
        [this] { Convert_Button_Click(); });
}

void Ascii_Entry_Form::Convert_Button_Click()
{
    announcement_->Withdraw();
    std::visit(Overloaded{[this](const Hex_Key& key) {
                              Show_Hex_Key(key);
                              Announce_Result(key);
                          },
                   [this](const Key_Rejection& rejection) {
                       Show_Message(*this, QString::fromStdU16String(rejection.Title),
                           QString::fromStdU16String(rejection.Message));
                   }},
        Ascii_To_Hex_Key(key_box_->text().toStdU16String(), rule_));
}

void Ascii_Entry_Form::Fill_Boxes(const std::vector<QLineEdit*>& boxes, const Hex_Key& key)
{
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->show();
        boxes[i]->setText(QString::fromStdU16String(key.Byte_Texts.at(i)));
    }
}

// The focus stays on Convert: a screen reader hears the result as the heading
// followed by the byte texts in box order, whatever order the boxes take the
// focus in. Said last, after the screen reader has heard of every box.
void Ascii_Entry_Form::Announce_Result(const Hex_Key& key)
{
    QStringList spoken{heading_->text()};
    for (const auto& byte_text : key.Byte_Texts)
        spoken << QString::fromStdU16String(byte_text);
    announcement_->Say(spoken.join(u' '));
}

void Two_Size_Entry_Form::Set_Up_Results()
{
    picture_64_ = &Find_Control<QWidget>(*this, "Picture1");
    picture_128_ = &Find_Control<QWidget>(*this, "Picture2");
    boxes_64_ = Find_Control_Row<QLineEdit>(*this, "Text_64_Bit_Keys");
    boxes_128_ = Find_Control_Row<QLineEdit>(*this, "Text_128_Bit_Keys");
}

void Two_Size_Entry_Form::Form_Load()
{
    Hide_Results();
}

// Withdraws the result by visibility alone: the boxes keep their texts.
void Two_Size_Entry_Form::Hide_Results()
{
    picture_64_->hide();
    picture_128_->hide();
    Heading().hide();
    for (std::size_t i = 0; i < boxes_64_.size(); ++i) {
        boxes_64_[i]->hide();
        boxes_128_[i]->hide();
    }
    for (std::size_t i = boxes_64_.size(); i < boxes_128_.size(); ++i)
        boxes_128_[i]->hide();
}

void Two_Size_Entry_Form::Convert_Button_Click()
{
    Hide_Results();
    Ascii_Entry_Form::Convert_Button_Click();
}

void Two_Size_Entry_Form::Show_Hex_Key(const Hex_Key& key)
{
    const bool is_128_bit = key.Key_Size == 128;
    Heading().setText(is_128_bit ? Heading_128 : Heading_64);
    Heading().show();
    (is_128_bit ? picture_128_ : picture_64_)->show();
    Fill_Boxes(is_128_bit ? boxes_128_ : boxes_64_, key);
}
