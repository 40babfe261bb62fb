#pragma once

#include "key_conversion.h"
#include "main_form.h"

#include <vector>

class Announcement;
class QLabel;
class QLineEdit;

// A window on which the ASCII key of a newer product is typed and shown again
// as hex byte boxes for the older cards' utility.
class Ascii_Entry_Form : public Main_Form {
    Q_OBJECT

public:
    virtual void Convert_Button_Click();

protected:
    template <class Ui_Form>
    Ascii_Entry_Form(Application& application, Ui_Form&& layout, Ascii_Key_Rule rule)
        : Main_Form(application, std::forward<Ui_Form>(layout)), rule_(rule)
    {
        Set_Up_Conversion();
    }

    virtual void Show_Hex_Key(const Hex_Key& key) = 0;

    // The heading above the result boxes.
    QLabel& Heading() const { return *heading_; }

    // Shows each box, then writes its byte text into it.
    static void Fill_Boxes(const std::vector<QLineEdit*>& boxes, const Hex_Key& key);

private:
    void Set_Up_Conversion();
    void Announce_Result(const Hex_Key& key);

    Ascii_Key_Rule rule_;
    QLineEdit* key_box_ = nullptr;
    QLabel* heading_ = nullptr;
    Announcement* announcement_ = nullptr;
};

// The three windows that take 5 or 13 characters, and show the boxes and the
// picture of the key size converted, and nothing while there is no result.
class Two_Size_Entry_Form : public Ascii_Entry_Form {
    Q_OBJECT

public:
    void Form_Load() override;
    void Convert_Button_Click() override;

protected:
    template <class Ui_Form>
    Two_Size_Entry_Form(Application& application, Ui_Form&& ui)
        : Ascii_Entry_Form(application, std::forward<Ui_Form>(ui), Ascii_Key_Rule::Five_Or_Thirteen)
    {
        Set_Up_Results();
    }

    void Show_Hex_Key(const Hex_Key& key) override;

private:
    void Set_Up_Results();
    void Hide_Results();

    QWidget* picture_64_ = nullptr;
    QWidget* picture_128_ = nullptr;
    std::vector<QLineEdit*> boxes_64_;
    std::vector<QLineEdit*> boxes_128_;
};
