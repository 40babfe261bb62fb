#include "chooser_form.h"

#include "controls.h"

#include <QFont>
#include <QLabel>
#include <QRadioButton>

#include <stdexcept>
#include <string>

void Chooser_Form::Set_Up_Options()
{
    for (const auto& [index, option] : Find_Control_Array<QRadioButton>(*this, "Option_Product"))
        option_group_.addButton(option, index);
    connect(&option_group_, &QButtonGroup::idToggled, this, [this](int index, bool selected) {
        if (selected)
            Option_Product_Click(index);
    });

    // A layout stores whole points only.
    auto& prompt = Find_Control<QLabel>(*this, "Label_Product");
    QFont prompt_font = prompt.font();
    prompt_font.setPointSizeF(8.25);
    prompt.setFont(prompt_font);
}

QAbstractButton& Chooser_Form::Option_Product(int index) const
{
    QAbstractButton* option = option_group_.button(index);
    if (!option)
        throw std::out_of_range("No option " + std::to_string(index));
    return *option;
}

void Chooser_Form::Form_Load()
{
    for (QAbstractButton* option : option_group_.buttons()) {
        if (option_group_.id(option) != placeholder_)
            option->setChecked(false);
    }
}
