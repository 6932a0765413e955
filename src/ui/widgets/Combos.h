#pragma once
#include <QComboBox>

// Texts and indexes of the editable combo boxes.
namespace Combos {

// The list index of a combo box's text, -1 when it matches no item.
inline int indexDuTexte(const QComboBox* cb) {
    return cb->findText(cb->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// Shows a text in a combo box, selecting its item when there is one.
inline void montrerTexte(QComboBox* cb, const QString& text) {
    const int i = cb->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0)
        cb->setCurrentIndex(i);
    else
        cb->setEditText(text);
}

// -1, or an index past the list, selects no item.
inline void selectionner(QComboBox* cb, int index) {
    cb->setCurrentIndex(index >= 0 && index < cb->count() ? index : -1);
}

}  // namespace Combos
