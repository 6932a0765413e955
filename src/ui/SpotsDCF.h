#pragma once
#include <QHash>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "core/cluster/Delai.h"
#include "core/cluster/Spots.h"
#include "ui/AppContext.h"

class LienCluster;
class ModeleSpots;
class NotificationsBureau;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class VueSpots;

// Live spots of cathedrals and basilicas from a DX-cluster node, ranked by
// what the award still needs and marked from the station's log after each
// save; a spot of the operator's sent back to the node; a desktop alert for
// each reference never worked.
class SpotsDCF : public QWidget {
    Q_OBJECT
public:
    explicit SpotsDCF(AppContext& ctx, QWidget* parent = nullptr);
    ~SpotsDCF() override;
    QSize sizeHint() const override { return {1000, 560}; }

    // Asks the node's address when none is stored, then connects.
    void demarrer();
    // "Nœud…": another address, then a new connection.
    void changerNoeud();
    // Opens "Signaler…" for this QSO. Without the rig's frequency, that of
    // the board's latest spot of the callsign and reference, if any.
    void signaler(const QString& indicatif, const QString& reference, std::optional<double> kHz = std::nullopt);
    // Greys the spots past 30 minutes and removes those past the hour, by
    // the context's clock; a timer runs it every 30 seconds.
    void vieillir();
    // Distinct references spotted that the log has never held.
    int nouvelles() const;

    // The address asked of the operator, empty when cancelled.
    std::function<QString(const QString& actuelle)> demanderAdresse;
    struct QsoSignale {
        QString indicatif, reference;
    };
    // The QSO "Signaler…" offers: the one in the entry form, or the last
    // saved. Unset, the log's last line.
    std::function<QsoSignale()> qsoCourant;
    // The rig's frequency in kHz, where a radio is linked.
    std::function<std::optional<double>()> frequenceRadio;

signals:
    // The operator picked a spot to log: the band text is empty outside every band.
    void spotChoisi(const QString& bande, const QString& indicatif, const QString& reference);
    // The same double click, for the rig: the spot's frequency and comment.
    void spotARegler(double kHz, const QString& commentaire);

private:
    void ligneRecue(const QByteArray& ligne);
    void alerter(const Spots::Spot& s, const QString& nom, const QDateTime& maintenant);
    bool envoyer(const Spots::Signalement& s);
    QsoSignale dernierQso() const;
    void recalculer();
    void titre();
    void connecter(const QString& adresse);

    AppContext& ctx;
    LienCluster* lien;
    QLabel* etatLien;
    QCheckBox* nouvellesSeulement;
    QCheckBox* alertes;
    QPushButton* boutonSignaler;
    QPushButton* boutonNoeud;
    QTableView* listeSpots;
    ModeleSpots* modele;
    VueSpots* vue;
    QTimer minuterieAge;
    std::unique_ptr<NotificationsBureau> notifications;
    Delai alertesDonnees{3600};  // one alert per reference and band an hour
    Delai envois{300};           // one spot per callsign and reference in 5 minutes
    Spots::IndexCarnet index;
    QHash<QString, Cathedrales::Cathedrale> liste;
    QString indicatifLien;  // the callsign the node knows us by
};

// Opens the spots window and connects, or brings the open one to the front.
SpotsDCF* ouvrirSpots(AppContext& ctx);
