#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;

// Tells a screen reader something without taking the focus from where the user
// left it: how an update stands once it has started and once it has ended.
//
// Neither Qt 5.15 nor Qt 6.4 can ask a screen reader to announce a text, and
// Orca drops what changes on a widget other than the focused one (the status
// box's text and description). What Orca does speak wherever it happens is a
// notification being shown, so this is an empty, zero-sized widget that screen
// readers know as a notification, named with the text and shown anew for each.
// A sighted user sees nothing of it, and the focus stays on Update.
//
// On Windows, where Qt's UI Automation bridge hands Narrator no such event, the
// text also goes out as a UI Automation notification (Windows 10 1709 and later;
// looked up at run time, so that older Windows still start the program).
class spoken_notice : public QWidget
{
    Q_OBJECT
public:
    explicit spoken_notice(QWidget *parent);

    // Says `text` once.
    void say(const QString &text);
};

// Makes a screen reader say a box's chosen entry along with its caption when the
// box gets the focus: the caption's accessible name becomes the caption and the
// entry ("Select Serial Port: COM4"). Orca names a combo box by the label that
// labels it and would read the value from the entry selected in its list or from
// its text, neither of which Qt 5.15 and 6.4 hand it; the caption it does read.
// The name follows the box's own signals; after a change made under a signal
// blocker, name_with_entry() names it anew.
void speak_chosen_entry(QComboBox &box, QLabel &caption);
void name_with_entry(QLabel &caption, const QComboBox &box);
