#pragma once
#include <QColor>
#include <QWidget>
#include <array>

#include "ui/AppContext.h"
#include "core/diplomes/CarteLogic.h"

class CarteDessin;
class QGroupBox;
class QLabel;
class QLineEdit;

// The département map: a box per département coloured from the station's
// log, with the counts of contacted, confirmed and missing départements.
// Computed once when the window opens.
class Carte_Acti_DCF : public QWidget {
    Q_OBJECT
public:
    explicit Carte_Acti_DCF(AppContext& ctx, QWidget* parent = nullptr);

    // Box backgrounds.
    static const QColor JaunePale;  // not contacted
    static const QColor RougePale;  // contacted, nothing confirmed
    static const QColor VertPale;   // confirmed
    static QColor couleur(CarteLogic::Etat e);

    void Remplir_Carte();
    // Reads Fichier_Log, colours the boxes and the map; counts through the
    // references (total reset to 0, the other two added to).
    void Colorier_Carte(int& total, int& nonConfirmes, int& confirmes);

    QGroupBox* Frame1;
    QLabel *NB_Dep, *Label5;
    QLabel* Picture1;
    // Control array: objectName "Dep(i)".
    std::array<QLineEdit*, CarteLogic::NbCases> Dep{};
    QLineEdit *Nb_Nconf, *Nb_Ncont;

private:
    void placerCases(const CarteDessin& dessin);

    AppContext& ctx;
};
