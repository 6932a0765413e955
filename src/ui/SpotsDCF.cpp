#include "ui/SpotsDCF.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>
#include <deque>

#include "core/Bandes.h"
#include "core/Reglages.h"
#include "core/journal/Carnet.h"
#include "core/saisie/StationLogic.h"
#include "platform/Dialogs.h"
#include "platform/LienCluster.h"
#include "platform/SettingsStore.h"
#include "platform/Windows.h"
#include "ui/diplomes/Carte_Acti_DCF.h"

using Windows::nomme;
using Spots::Marque;

namespace {

struct LigneSpot {
    Spots::Spot spot;
    Recherches::Cathedrale cathedrale;
    Marque marque = Marque::Nouvelle;
};

enum Colonne { Heure, Frequence, Bande, Indicatif, Reference, Cathedrale, Dpt, Spotteur, Etat, NbColonnes };

QColor couleur(Marque m) {
    switch (m) {
    case Marque::Nouvelle: return Carte_Acti_DCF::JaunePale;
    case Marque::NouvelleBande: break;
    case Marque::Contactee: return Carte_Acti_DCF::RougePale;
    case Marque::Confirmee: return Carte_Acti_DCF::VertPale;
    }
    return QColor(255, 216, 144);  // pale orange: between new and worked
}

QString texteBande(const Spots::Spot& s) {
    return s.bande >= 0 ? QString::fromLatin1(Bandes::Table[s.bande].texte) : QString();
}

}  // namespace

// The spots held, newest first, at most MaxSpots; the rows shown are those
// the filter lets through.
class ModeleSpots : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : int(vus.size()); }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : NbColonnes; }

    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        static const char* const titres[NbColonnes] = {"Heure", "kHz",        "Bande", "Indicatif", "Référence",
                                                       "Cathédrale", "Dpt", "Signalé par", "Marque"};
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < NbColonnes)
            return QString::fromUtf8(titres[section]);
        return QAbstractTableModel::headerData(section, o, role);
    }

    QVariant data(const QModelIndex& i, int role) const override {
        if (!i.isValid() || i.row() >= int(vus.size())) return {};
        const LigneSpot& l = *vus[i.row()];
        if (role == Qt::BackgroundRole) return couleur(l.marque);
        if (role == Qt::ToolTipRole) return l.spot.commentaire;
        if (role != Qt::DisplayRole) return {};
        switch (i.column()) {
        case Heure: return l.spot.heure;
        case Frequence: return QString::number(l.spot.kHz, 'f', 1);
        case Bande: return texteBande(l.spot);
        case Indicatif: return l.spot.indicatif;
        case Reference: return l.spot.reference;
        case Cathedrale: return l.cathedrale.nom;
        case Dpt: return l.cathedrale.dpt;
        case Spotteur: return l.spot.spotteur;
        case Etat: return Spots::texte(l.marque);
        default: return {};
        }
    }

    const LigneSpot* ligne(int row) const { return row >= 0 && row < int(vus.size()) ? vus[row] : nullptr; }

    void ajouter(LigneSpot l) {
        tous.push_front(std::move(l));
        if (passe(tous.front())) {
            beginInsertRows({}, 0, 0);
            vus.push_front(&tous.front());
            endInsertRows();
        }
        if (int(tous.size()) <= SpotsDCF::MaxSpots) return;
        if (!vus.empty() && vus.back() == &tous.back()) {
            beginRemoveRows({}, int(vus.size()) - 1, int(vus.size()) - 1);
            vus.pop_back();
            endRemoveRows();
        }
        tous.pop_back();
    }

    void setFiltre(bool nouvellesSeulement) {
        filtre = nouvellesSeulement;
        refaire();
    }

    template <class F>
    void remarquer(F marque) {
        for (LigneSpot& l : tous) l.marque = marque(l.spot);
        refaire();
    }

    int nouvelles() const {
        QSet<QString> refs;
        for (const LigneSpot& l : tous)
            if (l.marque == Marque::Nouvelle) refs.insert(l.spot.reference);
        return int(refs.size());
    }

private:
    bool passe(const LigneSpot& l) const { return !filtre || l.marque == Marque::Nouvelle; }
    void refaire() {
        beginResetModel();
        vus.clear();
        for (const LigneSpot& l : tous)
            if (passe(l)) vus.push_back(&l);
        endResetModel();
    }

    // A deque keeps its elements in place as spots come in and age out.
    std::deque<LigneSpot> tous;
    std::deque<const LigneSpot*> vus;
    bool filtre = false;
};

SpotsDCF::SpotsDCF(AppContext& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("SpotsDCF"));
    setWindowTitle(QStringLiteral("Spots DCF"));

    lien = new LienCluster(this);
    Etat_Lien = nomme(new QLabel(QStringLiteral("Déconnecté"), this), QStringLiteral("Etat_Lien"));
    Nouvelles_Seulement = nomme(new QCheckBox(QStringLiteral("Nouvelles seulement"), this),
                                QStringLiteral("Nouvelles_Seulement"));
    Changer_Noeud = nomme(new QPushButton(QStringLiteral("Nœud…"), this), QStringLiteral("Changer_Noeud"));
    Changer_Noeud->setToolTip(QStringLiteral("Changer l'adresse du nœud DX-cluster"));

    modele = new ModeleSpots(this);
    Liste_Spots = nomme(new QTableView(this), QStringLiteral("Liste_Spots"));
    Liste_Spots->setModel(modele);
    Liste_Spots->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste_Spots->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_Spots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_Spots->verticalHeader()->hide();
    Liste_Spots->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    Liste_Spots->setToolTip(QStringLiteral("Un double click sur un spot pour le saisir"));
    // Fixed widths: sizing to contents would measure every row at each spot.
    const int m = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const int largeurs[NbColonnes] = {5, 7, 6, 9, 8, 24, 3, 9, 12};
    for (int i = 0; i < NbColonnes; ++i) Liste_Spots->setColumnWidth(i, largeurs[i] * m);
    Liste_Spots->horizontalHeader()->setSectionResizeMode(Cathedrale, QHeaderView::Stretch);

    auto* haut = new QHBoxLayout;
    haut->addWidget(Etat_Lien, 1);
    haut->addWidget(Nouvelles_Seulement);
    haut->addWidget(Changer_Noeud);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(haut);
    lay->addWidget(Liste_Spots, 1);

    demanderAdresse = [this](const QString& actuelle) {
        return QInputDialog::getText(this, QStringLiteral("Spots DCF"),
                                     QStringLiteral("Adresse du nœud DX-cluster (hôte:port) :"),
                                     QLineEdit::Normal, actuelle);
    };

    connect(lien, &LienCluster::etatChange, Etat_Lien, &QLabel::setText);
    connect(lien, &LienCluster::ligneRecue, this, &SpotsDCF::ligneRecue);
    connect(Nouvelles_Seulement, &QCheckBox::toggled, this, [this](bool on) { modele->setFiltre(on); });
    connect(Changer_Noeud, &QPushButton::clicked, this, &SpotsDCF::Changer_Noeud_Click);
    connect(Liste_Spots, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (const LigneSpot* l = modele->ligne(i.row()))
            emit spotChoisi(texteBande(l->spot), l->spot.indicatif, l->spot.reference);
    });

    // The list is read once here; the log is indexed again after each change.
    liste = Spots::chargerListe(ctx.path(QStringLiteral("Liste_DCF.csv")));
    if (ctx.carnet) {
        index.construire(*ctx.carnet);
        connect(ctx.carnet, &Carnet::modifie, this, &SpotsDCF::recalculer);
    }
}

SpotsDCF::~SpotsDCF() = default;

void SpotsDCF::demarrer() {
    if (!ctx.stationSet()) {
        Etat_Lien->setText(QStringLiteral("Choisissez d'abord l'indicatif de la station"));
        return;
    }
    QString adresse = ctx.settings->read(Keys::App, Keys::Global, Keys::NoeudCluster, QString());
    if (adresse.trimmed().isEmpty()) adresse = demanderAdresse(QString());
    connecter(adresse);
}

void SpotsDCF::Changer_Noeud_Click() {
    const QString actuelle = ctx.settings->read(Keys::App, Keys::Global, Keys::NoeudCluster, QString());
    const QString adresse = demanderAdresse(actuelle);
    if (!adresse.trimmed().isEmpty()) connecter(adresse);
}

void SpotsDCF::connecter(const QString& adresse) {
    if (adresse.trimmed().isEmpty()) {
        Etat_Lien->setText(QStringLiteral("Aucun nœud : cliquez sur « Nœud… »"));
        return;
    }
    const auto a = Spots::lireAdresse(adresse);
    if (!a) {
        ctx.dialogs->notice(QStringLiteral("Adresse de nœud invalide : ") + adresse.trimmed() +
                            QStringLiteral(" (attendu : hôte:port)"));
        Etat_Lien->setText(QStringLiteral("Aucun nœud : cliquez sur « Nœud… »"));
        return;
    }
    ctx.settings->write(Keys::App, Keys::Global, Keys::NoeudCluster, adresse.trimmed());
    if (!ctx.stationSet()) {
        Etat_Lien->setText(QStringLiteral("Choisissez d'abord l'indicatif de la station"));
        return;
    }
    indicatifLien = StationLogic::affichage(ctx.station);
    lien->demarrer(a->hote, a->port, indicatifLien);
}

void SpotsDCF::ligneRecue(const QByteArray& ligne) {
    auto s = Spots::lire(ligne);
    if (!s || s->reference.isEmpty()) return;
    LigneSpot l{*s, Spots::chercher(liste, s->reference), index.marque(s->reference, s->bande)};
    modele->ajouter(std::move(l));
    titre();
}

void SpotsDCF::recalculer() {
    if (ctx.carnet) index.construire(*ctx.carnet);
    // Another station's log: the node must know the new callsign.
    if (!indicatifLien.isEmpty() && ctx.stationSet() &&
        StationLogic::affichage(ctx.station) != indicatifLien)
        connecter(ctx.settings->read(Keys::App, Keys::Global, Keys::NoeudCluster, QString()));
    modele->remarquer([this](const Spots::Spot& s) { return index.marque(s.reference, s.bande); });
    titre();
}

int SpotsDCF::nouvelles() const { return modele->nouvelles(); }

void SpotsDCF::titre() {
    const int n = nouvelles();
    QString t = QStringLiteral("Spots DCF");
    if (n > 0) t += QStringLiteral(" — %1 nouvelle%2").arg(n).arg(n > 1 ? QStringLiteral("s") : QString());
    setWindowTitle(t);
}

SpotsDCF* ouvrirSpots(AppContext& ctx) {
    bool neuve = false;
    SpotsDCF* w = Windows::openSingle<SpotsDCF>([&] {
        neuve = true;
        return new SpotsDCF(ctx);
    });
    if (neuve) w->demarrer();
    return w;
}
