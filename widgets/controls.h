#pragma once

#include <QObject>
#include <QRegularExpression>

#include <map>
#include <stdexcept>
#include <vector>

// Controls are found by their designed names; a control array is the run of
// names "Name_Index". A missing control is a fault of the layout, not of the
// user, and stops the form from being built.

template <class Control> Control& Find_Control(const QObject& form, const QString& name)
{
    auto* control = form.findChild<Control*>(name);
    if (!control)
        throw std::logic_error("The layout has no control " + name.toStdString());
    return *control;
}

// The members of a control array by index; an array may have gaps.
template <class Control>
std::map<int, Control*> Find_Control_Array(const QObject& form, const QString& name)
{
    const QRegularExpression member("^" + QRegularExpression::escape(name) + "_(\\d+)$");
    std::map<int, Control*> members;
    for (Control* control : form.findChildren<Control*>(member))
        members[member.match(control->objectName()).captured(1).toInt()] = control;
    if (members.empty())
        throw std::logic_error("The layout has no control array " + name.toStdString());
    return members;
}

// A control array without gaps, in index order.
template <class Control>
std::vector<Control*> Find_Control_Row(const QObject& form, const QString& name)
{
    std::vector<Control*> row;
    for (const auto& [index, control] : Find_Control_Array<Control>(form, name)) {
        if (index != static_cast<int>(row.size()))
            throw std::logic_error("The control array " + name.toStdString() + " has a gap");
        row.push_back(control);
    }
    return row;
}
