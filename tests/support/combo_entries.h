#pragma once

#include <QComboBox>
#include <QStringList>

// The texts of a combo box's entries, top to bottom; a separator's is empty.
inline QStringList entries_of(const QComboBox *box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result << box->itemText(i);
    return result;
}
