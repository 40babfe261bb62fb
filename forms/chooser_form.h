#pragma once

#include "main_form.h"

#include <QButtonGroup>

class QAbstractButton;

// A prompt over a group of option buttons in which a choice acts at once. One
// option, the placeholder, lies out of sight: selecting it makes the group
// look empty again.
class Chooser_Form : public Main_Form {
    Q_OBJECT

public:
    QAbstractButton& Option_Product(int index) const;

    // Clears every visible option; the placeholder keeps its selection.
    void Form_Load() override;

protected:
    template <class Ui_Form>
    Chooser_Form(Application& application, Ui_Form&& layout, int placeholder)
        : Main_Form(application, std::forward<Ui_Form>(layout)), placeholder_(placeholder)
    {
        Set_Up_Options();
    }

    // Runs whenever an option becomes selected, by the user or by code.
    virtual void Option_Product_Click(int index) = 0;

private:
    void Set_Up_Options();

    QButtonGroup option_group_;
    int placeholder_;
};
