#pragma once
#include <QStringList>
#include <QWidget>

#include "ui/AppContext.h"

class ModeleEntrees;

// The contacted list: every QSO in reference order, one line per reference
// and callsign prefix, saved or printed as shown.
class FenetreContactees : public QWidget {
    Q_OBJECT
public:
    explicit FenetreContactees(AppContext& ctx, QWidget* parent = nullptr);

    void enregistrer();
    void imprimer();

    // The visible list, and the hidden sorted list behind it.
    QStringList entrees() const;
    QStringList entreesTriees() const;

private:
    AppContext& ctx_;
    ModeleEntrees *modele_, *modeleTrie_;
    mutable bool triees_ = false;
};
