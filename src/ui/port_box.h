#pragma once

#include <QComboBox>
#include <QStringList>

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

    // Brings the entries to `entries` and makes `current` the current one (-1:
    // none), quietly: the box's signals tell only of the user's choices. The
    // entries still listed stay where they are, so an open list keeps the entry the
    // user has highlighted (a rebuilt one would forget it, and the next Down would
    // start from the top); if that entry has gone, the current one is highlighted.
    void set_entries(const QStringList &entries, int current);

signals:
    void opening();
};
