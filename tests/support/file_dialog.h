#pragma once

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// What the test saw of the open-file dialog.
struct dialog_seen
{
    bool opened = false;
    QString caption;
    QString directory;
    QStringList filters;
    QString selected_filter;
};

// Answers the modal open-file dialog from the event loop it runs: picks `path`,
// or cancels when `path` is empty. Tries again until the dialog is up.
// `guard` ends the attempts when the caller is done, whether or not a dialog came.
inline void answer_file_dialog(QObject *guard, const QString &path, dialog_seen *seen,
                               int attempts_left = 500)
{
    QTimer::singleShot(10, guard, [=] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attempts_left > 0)
                answer_file_dialog(guard, path, seen, attempts_left - 1);
            return;
        }
        seen->opened = true;
        seen->caption = dialog->windowTitle();
        seen->directory = dialog->directory().absolutePath();
        seen->filters = dialog->nameFilters();
        seen->selected_filter = dialog->selectedNameFilter();
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            // selectFile() leaves the name field alone while it has the focus,
            // which the dialog gives it as it opens; typing goes there.
            if (auto *name_field = dialog->findChild<QLineEdit *>("fileNameEdit"))
                name_field->setText(path);
            else
                dialog->selectFile(path);
            // QFileDialog hides accept(); the dialog's own checks still run.
            static_cast<QDialog *>(dialog)->accept();
        }
    });
}
