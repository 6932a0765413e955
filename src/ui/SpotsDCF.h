#pragma once
#include <QHash>
#include <QWidget>
#include <functional>

#include "core/cluster/Spots.h"
#include "ui/AppContext.h"

class LienCluster;
class ModeleSpots;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

// Live spots of cathedrals and basilicas from a DX-cluster node, newest
// first, each marked from the station's log and kept current after each save.
class SpotsDCF : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxSpots = 500;

    explicit SpotsDCF(AppContext& ctx, QWidget* parent = nullptr);
    ~SpotsDCF() override;
    QSize sizeHint() const override { return {1000, 560}; }

    // Asks the node's address when none is stored, then connects.
    void demarrer();
    void Changer_Noeud_Click();
    // Distinct references spotted that the log has never held.
    int nouvelles() const;

    // The address asked of the operator, empty when cancelled.
    std::function<QString(const QString& actuelle)> demanderAdresse;

    LienCluster* lien;
    QLabel* Etat_Lien;
    QCheckBox* Nouvelles_Seulement;
    QPushButton* Changer_Noeud;
    QTableView* Liste_Spots;

signals:
    // The operator picked a spot to log: the band text is empty outside every band.
    void spotChoisi(const QString& bande, const QString& indicatif, const QString& reference);

private:
    void ligneRecue(const QByteArray& ligne);
    void recalculer();
    void titre();
    void connecter(const QString& adresse);

    AppContext& ctx;
    ModeleSpots* modele;
    Spots::IndexCarnet index;
    QHash<QString, Recherches::Cathedrale> liste;
    QString indicatifLien;  // the callsign the node knows us by
};

// Opens the spots window and connects, or brings the open one to the front.
SpotsDCF* ouvrirSpots(AppContext& ctx);
