#pragma once
#include <QDialog>

#include "core/sauvegarde/Sauvegardes.h"

class QPushButton;
class QTreeWidget;
struct AppContext;

// Fichier › "Restaurer une sauvegarde…": the station's backups, newest first,
// with their date, time and number of QSOs. Restoring asks first (default
// Non), backs up the log as it is, then puts the chosen copy in its place
// through the log object, which every window follows.
class DialogueRestauration : public QDialog {
    Q_OBJECT
public:
    explicit DialogueRestauration(AppContext& ctx, QWidget* parent = nullptr);

    void restaurerSelection();

private:
    void remplir();

    AppContext& ctx_;
    QList<Sauvegardes::Copie> copies_;
    QTreeWidget* listeSauvegardes_ = nullptr;
    QPushButton* boutonRestaurer_ = nullptr;
    QPushButton* boutonFermer_ = nullptr;
};
