#pragma once
#include <QColor>
#include <QWidget>
#include <array>

#include "core/diplomes/CarteLogic.h"
#include "ui/AppContext.h"

class CarteDessin;
class QLabel;
class QLineEdit;

// The département map: a box per département coloured from the station's
// log, with the counts of contacted, confirmed and missing départements.
// Computed once when the window opens.
class FenetreCarte : public QWidget {
    Q_OBJECT
public:
    explicit FenetreCarte(AppContext& ctx, QWidget* parent = nullptr);

    // Box backgrounds.
    static const QColor JaunePale;  // not contacted
    static const QColor RougePale;  // contacted, nothing confirmed
    static const QColor VertPale;   // confirmed
    static QColor couleur(CarteLogic::Etat e);

private:
    void remplir();
    // Reads the log, colours the boxes and the map; the map's figures.
    CarteLogic::Carte colorier();
    void placerCases(const CarteDessin& dessin);

    AppContext& ctx_;
    QLabel* nombreDepartements_;
    QLabel* imageCarte_;
    // One box per département, objectName "casesDepartement(<index>)".
    std::array<QLineEdit*, CarteLogic::NbCases> casesDepartement_{};
    QLineEdit *champConfirmes_, *champNonContactes_;
};
