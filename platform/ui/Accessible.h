#pragma once

#include <QAccessible>
#include <QWidget>

// What a screen reader is told a control of the program's own drawing is: the role
// given (a push button, a text), with the widget's accessible name, which the control
// keeps to what it shows. A button's press action acts as Space on it. Controls Qt
// draws itself are Qt's to describe.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);
