#include "ui/SpotsDCF.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/Bandes.h"
#include "core/Reglages.h"
#include "core/cluster/ModeleSpots.h"
#include "core/cluster/TriSpots.h"
#include "core/journal/Carnet.h"
#include "core/saisie/StationLogic.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/LienCluster.h"
#include "platform/NotificationsBureau.h"
#include "platform/SettingsStore.h"
#include "platform/Windows.h"
#include "ui/SignalerSpot.h"
#include "ui/diplomes/FenetreCarte.h"

using Spots::Marque;
using Windows::nomme;

namespace {

QColor couleur(Marque m) {
    switch (m) {
        case Marque::Nouvelle: return FenetreCarte::JaunePale;
        case Marque::NouvelleBande: break;
        case Marque::Contactee: return FenetreCarte::RougePale;
        case Marque::Confirmee: return FenetreCarte::VertPale;
    }
    return QColor(255, 216, 144);  // pale orange: between new and worked
}

QString texteBande(const Spots::Spot& s) {
    return s.bande >= 0 ? QString::fromLatin1(Bandes::Table[s.bande].texte) : QString();
}

}  // namespace

// The board in its order, coloured by mark, old spots in grey.
class VueSpots : public TriSpots {
public:
    using TriSpots::TriSpots;
    static inline const QColor Gris{128, 128, 128};

    QVariant data(const QModelIndex& i, int role) const override {
        if (role == Qt::BackgroundRole) return couleur(Marque(TriSpots::data(i, Spots::RoleMarque).toInt()));
        if (role == Qt::ForegroundRole && TriSpots::data(i, Spots::RoleAncien).toBool()) return Gris;
        return TriSpots::data(i, role);
    }
};

SpotsDCF::SpotsDCF(AppContext& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("SpotsDCF"));
    setWindowTitle(QStringLiteral("Spots DCF"));

    lien = nomme(new LienCluster(this), QStringLiteral("lien"));
    etatLien = nomme(new QLabel(QStringLiteral("Déconnecté"), this), QStringLiteral("etatLien"));
    nouvellesSeulement =
        nomme(new QCheckBox(QStringLiteral("Nouvelles seulement"), this), QStringLiteral("nouvellesSeulement"));
    alertes = nomme(new QCheckBox(QStringLiteral("Alertes"), this), QStringLiteral("alertes"));
    alertes->setToolTip(QStringLiteral("Une notification du bureau pour chaque référence jamais contactée"));
    alertes->setChecked(ctx.settings->read(Reglages::App, Reglages::Global, Reglages::AlertesSpots, QStringLiteral("Oui")) !=
                        QLatin1String("Non"));
    boutonSignaler = nomme(new QPushButton(QStringLiteral("&Signaler…"), this), QStringLiteral("boutonSignaler"));
    boutonSignaler->setToolTip(QStringLiteral("Envoyer un spot au nœud DX-cluster"));
    boutonNoeud = nomme(new QPushButton(QStringLiteral("Nœud…"), this), QStringLiteral("boutonNoeud"));
    boutonNoeud->setToolTip(QStringLiteral("Changer l'adresse du nœud DX-cluster"));

    modele = new ModeleSpots(this);
    vue = new VueSpots(modele, this);
    listeSpots = nomme(new QTableView(this), QStringLiteral("listeSpots"));
    listeSpots->setModel(vue);
    listeSpots->setSelectionBehavior(QAbstractItemView::SelectRows);
    listeSpots->setSelectionMode(QAbstractItemView::SingleSelection);
    listeSpots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listeSpots->verticalHeader()->hide();
    listeSpots->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    listeSpots->setToolTip(QStringLiteral("Un double click sur un spot pour le saisir"));
    // Fixed widths: sizing to contents would measure every row at each spot.
    const int m = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const int largeurs[Spots::NbColonnes] = {5, 7, 6, 9, 8, 20, 3, 9, 11, 14};
    for (int i = 0; i < Spots::NbColonnes; ++i) listeSpots->setColumnWidth(i, largeurs[i] * m);
    // The spotter's comment ("up 1", "CW") takes what is left.
    listeSpots->horizontalHeader()->setSectionResizeMode(Spots::Commentaire, QHeaderView::Stretch);
    // "Intérêt" first; a header click sorts by its column, a second one reverses.
    listeSpots->horizontalHeader()->setSortIndicator(Spots::Interet, Qt::AscendingOrder);
    listeSpots->setSortingEnabled(true);

    auto* haut = new QHBoxLayout;
    haut->addWidget(etatLien, 1);
    haut->addWidget(nouvellesSeulement);
    haut->addWidget(alertes);
    haut->addWidget(boutonSignaler);
    haut->addWidget(boutonNoeud);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(haut);
    lay->addWidget(listeSpots, 1);

    demanderAdresse = [this](const QString& actuelle) {
        return QInputDialog::getText(this, QStringLiteral("Spots DCF"),
                                     QStringLiteral("Adresse du nœud DX-cluster (hôte:port) :"), QLineEdit::Normal,
                                     actuelle);
    };

    connect(lien, &LienCluster::etatChange, etatLien, &QLabel::setText);
    connect(lien, &LienCluster::ligneRecue, this, &SpotsDCF::ligneRecue);
    connect(nouvellesSeulement, &QCheckBox::toggled, vue, &TriSpots::setNouvellesSeulement);
    connect(alertes, &QCheckBox::toggled, this, [this](bool oui) {
        ctx.settings->write(Reglages::App, Reglages::Global, Reglages::AlertesSpots,
                            oui ? QStringLiteral("Oui") : QStringLiteral("Non"));
    });
    connect(boutonNoeud, &QPushButton::clicked, this, &SpotsDCF::changerNoeud);
    connect(boutonSignaler, &QPushButton::clicked, this, [this] {
        const QsoSignale q = qsoCourant ? qsoCourant() : dernierQso();
        signaler(q.indicatif, q.reference, frequenceRadio ? frequenceRadio() : std::nullopt);
    });
    connect(listeSpots, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (const Spots::Entree* e = modele->entree(vue->mapToSource(i).row())) {
            emit spotARegler(e->spot.kHz, e->spot.commentaire);
            emit spotChoisi(texteBande(e->spot), e->spot.indicatif, e->spot.reference);
        }
    });
    minuterieAge.setInterval(30 * 1000);
    connect(&minuterieAge, &QTimer::timeout, this, &SpotsDCF::vieillir);
    minuterieAge.start();

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
        etatLien->setText(QStringLiteral("Choisissez d'abord l'indicatif de la station"));
        return;
    }
    QString adresse = ctx.settings->read(Reglages::App, Reglages::Global, Reglages::NoeudCluster, QString());
    if (adresse.trimmed().isEmpty()) adresse = demanderAdresse(QString());
    connecter(adresse);
}

void SpotsDCF::changerNoeud() {
    const QString actuelle = ctx.settings->read(Reglages::App, Reglages::Global, Reglages::NoeudCluster, QString());
    const QString adresse = demanderAdresse(actuelle);
    if (!adresse.trimmed().isEmpty()) connecter(adresse);
}

void SpotsDCF::connecter(const QString& adresse) {
    if (adresse.trimmed().isEmpty()) {
        etatLien->setText(QStringLiteral("Aucun nœud : cliquez sur « Nœud… »"));
        return;
    }
    const auto a = Spots::lireAdresse(adresse);
    if (!a) {
        ctx.dialogs->notice(QStringLiteral("Adresse de nœud invalide : ") + adresse.trimmed() +
                            QStringLiteral(" (attendu : hôte:port)"));
        etatLien->setText(QStringLiteral("Aucun nœud : cliquez sur « Nœud… »"));
        return;
    }
    ctx.settings->write(Reglages::App, Reglages::Global, Reglages::NoeudCluster, adresse.trimmed());
    if (!ctx.stationSet()) {
        etatLien->setText(QStringLiteral("Choisissez d'abord l'indicatif de la station"));
        return;
    }
    indicatifLien = StationLogic::affichage(ctx.station);
    lien->demarrer(a->hote, a->port, indicatifLien);
}

void SpotsDCF::ligneRecue(const QByteArray& ligne) {
    const auto s = Spots::lire(ligne);
    if (!s || s->reference.isEmpty()) return;
    const QDateTime maintenant = ctx.clock->utcNow();
    const Cathedrales::Cathedrale cathedrale = Spots::chercher(liste, s->reference);
    const Marque marque = index.marque(s->reference, s->bande);
    modele->ajouter(*s, cathedrale, marque, maintenant);
    if (marque == Marque::Nouvelle) alerter(*s, cathedrale.nom, maintenant);
    titre();
}

void SpotsDCF::alerter(const Spots::Spot& s, const QString& nom, const QDateTime& maintenant) {
    if (!alertes->isChecked()) return;
    const QString cle = s.reference + QLatin1Char(' ') + QString::number(s.bande);
    if (!alertesDonnees.libre(cle, maintenant)) return;
    alertesDonnees.noter(cle, maintenant);
    const Spots::Alerte a = Spots::alerte(s, nom);
    // The bus is reached at the first alert: no alert, no connection.
    if (!notifications) notifications = std::make_unique<NotificationsBureau>();
    notifications->notifier(a.titre, a.texte);
}

void SpotsDCF::vieillir() {
    modele->vieillir(ctx.clock->utcNow());
    titre();
}

SpotsDCF::QsoSignale SpotsDCF::dernierQso() const {
    if (!ctx.carnet || ctx.carnet->nombre() == 0) return {};
    const qsizetype i = ctx.carnet->nombre() - 1;
    auto champ = [&](LigneQso::Champ c) { return QString::fromLatin1(LigneQso::sansBlancs(ctx.carnet->champ(i, c))); };
    return {champ(LigneQso::Champ::Indicatif), champ(LigneQso::Champ::Reference)};
}

void SpotsDCF::signaler(const QString& indicatif, const QString& reference, std::optional<double> kHz) {
    const QString i = indicatif.trimmed().toUpper();
    const QString normalisee = Spots::normaliser(reference);
    const QString ref = normalisee.isEmpty() ? reference.trimmed() : normalisee;
    if (!kHz)
        if (const Spots::Entree* e = modele->chercher(i, ref)) kHz = e->spot.kHz;
    auto nomDe = [this](const QString& r) { return Spots::chercher(liste, r).nom; };
    const Spots::Signalement prefill{kHz ? QString::number(*kHz, 'f', 1) : QString(), i, ref,
                                     normalisee.isEmpty() ? QString() : Spots::commentaire(ref, nomDe(ref))};
    auto* d = new SignalerSpot(
        prefill, nomDe, [this](const Spots::Signalement& s) { return envoyer(s); }, this);
    d->open();
}

bool SpotsDCF::envoyer(const Spots::Signalement& s) {
    const QString horsLigne = QStringLiteral("Pas de connexion au nœud DX-cluster : le spot n'est pas envoyé");
    if (!lien->connecte()) {
        ctx.dialogs->notice(horsLigne);
        return false;
    }
    const Spots::Envoi e = Spots::preparer(s);
    if (!e.refus.isEmpty()) {
        ctx.dialogs->notice(e.refus);
        return false;
    }
    const QDateTime maintenant = ctx.clock->utcNow();
    if (!envois.libre(e.cle, maintenant)) {
        ctx.dialogs->notice(e.cle + QStringLiteral(" a déjà été signalé il y a moins de 5 minutes"));
        return false;
    }
    if (!lien->envoyer(e.ligne)) {
        ctx.dialogs->notice(horsLigne);
        return false;
    }
    envois.noter(e.cle, maintenant);
    return true;
}

void SpotsDCF::recalculer() {
    if (ctx.carnet) index.construire(*ctx.carnet);
    // Another station's log: the node must know the new callsign.
    if (!indicatifLien.isEmpty() && ctx.stationSet() && StationLogic::affichage(ctx.station) != indicatifLien)
        connecter(ctx.settings->read(Reglages::App, Reglages::Global, Reglages::NoeudCluster, QString()));
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
