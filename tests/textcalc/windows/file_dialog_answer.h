#pragma once
// Answers the next modal file dialog as a user would: `fill` picks a filter or types a name,
// then the dialog is accepted. Tests then check what was written.
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTimer>

#include <functional>

inline void answerFileDialog(std::function<void(QFileDialog&)> fill)
{
    QTimer::singleShot(0, [fill] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            fill(*dialog);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, as the Save button
        }
    });
}

// Picks filter `index` in the dialog's file type box, as a click there does.
inline void pickFilter(QFileDialog& dialog, int index)
{
    auto* box = dialog.findChild<QComboBox*>("fileTypeCombo");
    box->setCurrentIndex(index);
    emit box->activated(index);
    emit box->textActivated(box->currentText());
}
