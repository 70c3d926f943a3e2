#pragma once

#include <QComboBox>

// The serial port box. It says when its list is about to open (a click, Alt+Down,
// F4), so that the window can have the ports listed anew: a cable plugged in
// after the program started then shows up without a restart.
class port_box : public QComboBox
{
    Q_OBJECT
public:
    explicit port_box(QWidget *parent = nullptr) : QComboBox(parent) {}

    void showPopup() override
    {
        emit opening();
        QComboBox::showPopup();
    }

signals:
    void opening();
};
