#pragma once
#include <QStringList>
#include <QWidget>

#include "ui/AppContext.h"

class QListView;
class ModeleEntrees;

// The award list: every confirmed QSO in reference order, saved or printed
// under the level chosen last.
class FenetreListeDiplome : public QWidget {
    Q_OBJECT
public:
    // The title names the level it opens with; it stays while the window is open.
    FenetreListeDiplome(AppContext& ctx, const QString& niveau, QWidget* parent = nullptr);

    // The level the list is saved and printed under from now on.
    void choisirNiveau(const QString& niveau) { niveau_ = niveau; }
    void enregistrer();
    void imprimer();

    QStringList entrees() const;

private:
    AppContext& ctx_;
    QString niveau_;
    QListView* listeConfirmees_;
    ModeleEntrees* modele_;
};
