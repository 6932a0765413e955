#pragma once
#include <QColor>
#include <QWidget>
#include <array>

#include "core/diplomes/CarteLogic.h"
#include "ui/AppContext.h"

class QLabel;
class QLineEdit;

// The département map: a box per département coloured from the station's
// log, with the counts of contacted, confirmed and missing départements.
// Computed once when the window opens; the drawing follows the window's size.
class FenetreCarte : public QWidget {
    Q_OBJECT
public:
    explicit FenetreCarte(AppContext& ctx, QWidget* parent = nullptr);

    // Box backgrounds.
    static const QColor JaunePale;  // not contacted
    static const QColor RougePale;  // contacted, nothing confirmed
    static const QColor VertPale;   // confirmed
    static QColor couleur(CarteLogic::Etat e);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void remplir();
    // Reads the log and colours the boxes; the map's figures.
    CarteLogic::Carte colorier();
    // Draws the map at the size of its place and puts each box on it.
    void dessiner();

    AppContext& ctx_;
    QLabel* nombreDepartements_;
    QLabel* imageCarte_;
    // One box per département, objectName "casesDepartement(<index>)".
    std::array<QLineEdit*, CarteLogic::NbCases> casesDepartement_{};
    std::array<QColor, CarteLogic::NbCases> couleurs_{};
    QLineEdit *champConfirmes_, *champNonContactes_;
};
