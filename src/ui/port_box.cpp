#include "port_box.h"

#include <QAbstractItemView>
#include <QSignalBlocker>

void port_box::set_entries(const QStringList &entries, int current)
{
    QAbstractItemView *list = view();
    const bool open = list->isVisible();
    const QString highlighted = open ? list->currentIndex().data().toString() : QString();
    const int rows_before = count();

    {
        const QSignalBlocker quiet(this);
        // Removing and inserting single rows moves the view's current entry along
        // with its row; clear() or a model reset would drop it.
        for (int row = count() - 1; row >= 0; --row)
            if (!entries.contains(itemText(row)))
                removeItem(row);
        for (int row = 0; row < entries.size(); ++row)
            if (row >= count() || itemText(row) != entries.at(row))
                insertItem(row, entries.at(row));
        // Left over when the order changed.
        while (count() > entries.size())
            removeItem(count() - 1);
        setCurrentIndex(current);
    }

    if (!open)
        return;
    // The open list takes the height of its new entries: Qt's own showPopup() fits
    // it again (and highlights the current entry on the way).
    if (count() != rows_before && count() > 0)
        QComboBox::showPopup();
    int row = highlighted.isEmpty()
                  ? -1
                  : findText(highlighted, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row < 0)
        row = currentIndex();
    list->setCurrentIndex(model()->index(row, modelColumn(), rootModelIndex()));
}
