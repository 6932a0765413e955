#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/Bandes.h"
#include "core/Chronos.h"
#include "core/Reglages.h"
#include "core/Textes.h"
#include "core/Version.h"
#include "core/diplomes/CarteLogic.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/saisie/StationLogic.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/KeyPress.h"
#include "platform/SettingsStore.h"
#include "platform/Windows.h"
#include "ui/BandeauStation.h"
#include "ui/DialogueImportAdif.h"
#include "ui/DialogueRestauration.h"
#include "ui/DialogueStation.h"
#include "ui/ExportAdif.h"
#include "ui/FenetreRecherche.h"
#include "ui/GestionSauvegardes.h"
#include "ui/Guide.h"
#include "ui/ImportConfirmations.h"
#include "ui/MiseAJourListe.h"
#include "ui/ModeleLog.h"
#include "ui/RadioEtSpots.h"
#include "ui/Saisie.h"
#include "ui/diplomes/FenetreCarte.h"
#include "ui/diplomes/FenetreContactees.h"
#include "ui/diplomes/FenetreDiplomes.h"
#include "ui/diplomes/OutilsDiplomes.h"
#include "ui/web/FenetreCluster.h"
#include "ui/web/FenetreReglement.h"
#include "ui/widgets/Apparence.h"
#include "ui/widgets/Combos.h"
#include "ui/widgets/Couleurs.h"
#include "ui/widgets/EnteteListe.h"

using Windows::nomme;

namespace {

const QString kAideListe =
    QStringLiteral("Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'editer");

}  // namespace

QString FenetrePrincipale::stationEnregistree() const {
    const QString s =
        ctx_.settings->read(Reglages::App, Reglages::Global, Reglages::Indicatif, Reglages::StationDefaut);
    // A stored callsign names a file: one that a typed callsign could not be
    // ("../x") is taken as no station at all.
    return StationLogic::refus(s).isEmpty() ? s : Reglages::StationDefaut;
}

FenetrePrincipale::FenetrePrincipale(AppContext& c, QWidget* parent) : QMainWindow(parent), ctx_(c) {
    setObjectName(QStringLiteral("FenetrePrincipale"));
    construire();
    menus_.construire(this);
    connecterMenus();
    formulaire_.ordreTabulation();
    KeyPress::entreePresseLesBoutons();
}

void FenetrePrincipale::construire() {
    auto* central = new QWidget;
    auto* root = new QVBoxLayout(central);

    // Top: picture, UTC date, station, clocks.
    bandeau_ = new BandeauStation(*ctx_.clock);
    root->addWidget(bandeau_);

    // Middle: the entry form and the command buttons.
    auto* middle = new QHBoxLayout;
    QGroupBox* cadreSaisie = nomme(formulaire_.construireChamps(font()), "cadreSaisie");
    middle->addWidget(cadreSaisie, 1);

    FormulaireSaisie& f = formulaire_;
    auto* boutons = new QVBoxLayout;
    f.boutonValider = nomme(new QPushButton(QStringLiteral("&Valider le QSO")), "boutonValider");
    f.boutonEffacer = nomme(new QPushButton(QStringLiteral("A&nnuler saisie en cours")), "boutonEffacer");
    f.boutonInserer = nomme(new QPushButton(QStringLiteral("&Inserer un QSO")), "boutonInserer");
    f.boutonSupprimer = nomme(new QPushButton(QStringLiteral("Su&pprimer un QSO")), "boutonSupprimer");
    auto* boutonRechercher = nomme(new QPushButton(QStringLiteral("Rec&hercher un QSO")), "boutonRechercher");
    for (QPushButton* b : {f.boutonValider, f.boutonEffacer, f.boutonInserer, f.boutonSupprimer, boutonRechercher})
        boutons->addWidget(b);
    auto* signature = nomme(new QLabel(QStringLiteral("Vitralog, carnet de trafic DCF")), "signature");
    signature->setAlignment(Qt::AlignCenter);
    signature->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90); font-style: italic;"));
    boutons->addWidget(signature);
    boutons->addStretch();
    middle->addLayout(boutons);
    root->addLayout(middle);

    // Bottom: the log list and its header.
    auto* cadreListe = nomme(new QGroupBox(kAideListe), "cadreListe");
    auto* bas = new QVBoxLayout(cadreListe);
    bas->setSpacing(0);
    enteteListe_ = nomme(new EnteteListe, "enteteListe");
    bas->addWidget(enteteListe_);
    f.listeQso = nomme(new QListView, "listeQso");
    modele_ = new ModeleLog(ctx_.carnet, this);
    f.listeQso->setModel(modele_);
    f.listeQso->setUniformItemSizes(true);
    f.listeQso->setEditTriggers(QAbstractItemView::NoEditTriggers);
    f.listeQso->setSelectionMode(QAbstractItemView::SingleSelection);
    f.listeQso->setFont(Apparence::policeListe());
    f.listeQso->setToolTip(kAideListe);
    // The list gives up its lines before the form any room: the window fits a laptop's screen.
    f.listeQso->setMinimumHeight(QFontMetrics(f.listeQso->font()).lineSpacing() * 5);
    bas->addWidget(f.listeQso, 1);
    root->addWidget(cadreListe, 1);
    ajusterEntete();

    setCentralWidget(central);

    // Design-time state: only the band, the callsign, the list and three buttons.
    for (QWidget* w : {static_cast<QWidget*>(f.choixBande), static_cast<QWidget*>(f.champIndicatif)})
        w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{f.champPrenom, f.champReference, f.champDepartement, f.champDate,
                                                      f.champHeure, f.choixMode, f.champRstRecu, f.champRstEnvoye,
                                                      f.champNom, f.caseQsl, f.boutonValider, f.boutonSupprimer})
        w->setEnabled(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.choixBande, f.champPrenom, f.champReference, f.champDepartement, f.champDate,
                                         f.champHeure, f.choixMode, f.champRstRecu, f.champRstEnvoye, f.champNom})
        Couleurs::fond(w, Couleurs::JauneClair);
    Couleurs::fond(f.champIndicatif, Couleurs::VertClair);

    saisie_ = new Saisie(ctx_, formulaire_, modele_, this);
    // The echo of a key the benchmark script typed: it knows when it typed it.
    if (Chronos::actif())
        connect(f.champIndicatif, &QLineEdit::textEdited, this, [] { Chronos::horodater("echo_touche"); });
    connect(f.boutonEffacer, &QPushButton::clicked, saisie_, &Saisie::effacerSaisie);
    connect(f.boutonValider, &QPushButton::clicked, saisie_, &Saisie::validerQso);
    connect(f.boutonSupprimer, &QPushButton::clicked, saisie_, &Saisie::supprimerQso);
    connect(f.boutonInserer, &QPushButton::clicked, saisie_, &Saisie::insererQso);
    connect(boutonRechercher, &QPushButton::clicked, this, &FenetrePrincipale::ouvrirRecherche);
    connect(f.listeQso, &QListView::doubleClicked, saisie_, &Saisie::modifierLigne);
    f.listeQso->viewport()->installEventFilter(this);
    f.listeQso->installEventFilter(this);
    // The control the operator was in before the list, to go back to.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* maintenant) {
        if (maintenant && maintenant != formulaire_.listeQso && isAncestorOf(maintenant)) avantListe_ = maintenant;
    });
    connect(f.listeQso, &QListView::clicked, saisie_, &Saisie::afficherLigne);
    connect(f.listeQso->selectionModel(), &QItemSelectionModel::currentRowChanged, saisie_,
            [this](const QModelIndex& cur) {
                if (cur.isValid()) saisie_->afficherLigne();
            });

    radioEtSpots_ = new RadioEtSpots(ctx_, *saisie_, *this, *cadreListe);
}

void FenetrePrincipale::ajusterEntete() {
    QListView* liste = formulaire_.listeQso;
    enteteListe_->alignerSur(liste);
    // Wide enough for a whole line, the QSL mark included.
    liste->setMinimumWidth(OutilsDiplomes::largeurLignes(liste, liste->font(), LigneQso::LongueurAffichage + 1));
}

void FenetrePrincipale::connecterMenus() {
    const MenusPrincipaux& m = menus_;
    connect(m.actionExporterAdif, &QAction::triggered, this, [this] { ExportAdif::exporter(ctx_); });
    connect(m.actionQuitter, &QAction::triggered, this, &FenetrePrincipale::quitter);
    connect(m.actionDateAutomatique, &QAction::triggered, this, &FenetrePrincipale::choisirDateAutomatique);
    connect(m.actionDateManuelle, &QAction::triggered, this, &FenetrePrincipale::choisirDateManuelle);
    connect(m.actionAPropos, &QAction::triggered, this, &FenetrePrincipale::afficherAPropos);
    connect(m.actionHistorique, &QAction::triggered, this, &FenetrePrincipale::afficherHistorique);
    connect(m.actionStation, &QAction::triggered, this, &FenetrePrincipale::changerStation);
    connect(m.actionMettreAJourListe, &QAction::triggered, this, [this] { MiseAJourListe::mettreAJour(ctx_); });
    connect(m.actionReglement, &QAction::triggered, this, [this] { ouvrirReglement(ctx_); });
    connect(m.actionCluster, &QAction::triggered, this, [this] { ouvrirCluster(ctx_); });
    connect(m.actionCarte, &QAction::triggered, this,
            [this] { Windows::openSingle<FenetreCarte>([this] { return new FenetreCarte(ctx_); }); });
    connect(m.actionDiplomes, &QAction::triggered, this,
            [this] { Windows::openSingle<FenetreDiplomes>([this] { return new FenetreDiplomes(ctx_); }); });
    connect(m.actionContactees, &QAction::triggered, this,
            [this] { Windows::openSingle<FenetreContactees>([this] { return new FenetreContactees(ctx_); }); });
    connect(m.actionImporterAdif, &QAction::triggered, this, [this] { DialogueImportAdif::importer(ctx_, this); });
    connect(m.actionImporterListe, &QAction::triggered, this, [this] { MiseAJourListe::importer(ctx_); });
    connect(m.actionOuvrirDossier, &QAction::triggered, this, &FenetrePrincipale::ouvrirDossier);
    connect(m.actionImporterConfirmations, &QAction::triggered, this,
            [this] { ImportConfirmations::importer(ctx_, this); });
    connect(m.actionRadio, &QAction::triggered, radioEtSpots_, &RadioEtSpots::reglerRadio);
    connect(m.actionSignaler, &QAction::triggered, radioEtSpots_, &RadioEtSpots::signalerQso);
    m.actionOuvrirDossier->setStatusTip(QDir::toNativeSeparators(ctx_.dataDir));
    m.actionOuvrirDossier->setToolTip(QDir::toNativeSeparators(ctx_.dataDir));
    connect(m.actionSpots, &QAction::triggered, radioEtSpots_, &RadioEtSpots::ouvrirSpots);
    connect(m.actionGuide, &QAction::triggered, this, [this] { ouvrirGuide(ctx_); });
    connect(m.actionAnnuler, &QAction::triggered, this, [this] { GestionSauvegardes::annulerDerniere(ctx_); });
    connect(ctx_.carnet, &Carnet::modifie, m.actionAnnuler,
            [this] { GestionSauvegardes::suivreAnnulation(menus_.actionAnnuler, *ctx_.carnet); });
    connect(m.actionRestaurer, &QAction::triggered, this,
            [this] { Windows::openSingle<DialogueRestauration>([this] { return new DialogueRestauration(ctx_); }); });
    connect(m.actionDossierSauvegardes, &QAction::triggered, this,
            [this] { GestionSauvegardes::changerDossier(ctx_, this); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
            &FenetrePrincipale::ouvrirRecherche);
}

void FenetrePrincipale::ouvrirDossier() {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ctx_.dataDir)))
        ctx_.dialogs->notice(QStringLiteral("Le dossier des données est ") + QDir::toNativeSeparators(ctx_.dataDir));
}

bool FenetrePrincipale::eventFilter(QObject* o, QEvent* e) {
    QListView* liste = formulaire_.listeQso;
    // A click on a line, or Tab into the list, would show a stored QSO over
    // the one being typed: the operator says first whether to drop it.
    if (o == liste->viewport() && e->type() == QEvent::MouseButtonPress) {
        const QModelIndex i = liste->indexAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (i.isValid() && saisie_->saisieEnCours() && saisie_->etat() != EtatSaisie::Modification) {
            if (saisie_->abandonnerSaisie()) {
                saisie_->selectionnerLigne(i.row());
                liste->setFocus(Qt::MouseFocusReason);
            } else {
                rendreFocus();
            }
            return true;  // the press is answered: no drag from it
        }
    }
    if (o == liste && e->type() == QEvent::FocusIn) {
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if ((r == Qt::TabFocusReason || r == Qt::BacktabFocusReason) && saisie_->saisieEnCours() &&
            saisie_->etat() != EtatSaisie::Modification) {
            if (saisie_->abandonnerSaisie())
                saisie_->afficherLigne();
            else
                rendreFocus();
        }
    }
    // Shorter (the status bar appearing, a smaller window), the list keeps its current line in sight.
    if (o == liste->viewport() && e->type() == QEvent::Resize)
        QTimer::singleShot(0, liste, [liste] { liste->scrollTo(liste->currentIndex()); });
    // A double click where no line stands is still the list's double click.
    if (o == liste->viewport() && e->type() == QEvent::MouseButtonDblClick &&
        !liste->indexAt(static_cast<QMouseEvent*>(e)->position().toPoint()).isValid())
        saisie_->modifierLigne();
    return QMainWindow::eventFilter(o, e);
}

void FenetrePrincipale::demarrer() {
    adjustSize();
    // About twenty lines of the log where the screen has room, a title bar left for.
    QListView* liste = formulaire_.listeQso;
    const int plus = std::max(0, QFontMetrics(liste->font()).lineSpacing() * 20 - liste->sizeHint().height());
    if (const QScreen* ecran = screen())
        resize(width(), std::max(height(), std::min(height() + plus, ecran->availableGeometry().height() - 40)));
    Windows::centreOnScreen(this);
    FormulaireSaisie& f = formulaire_;
    f.choixBande->clear();
    f.choixBande->addItems(Bandes::textesListe());
    f.choixMode->clear();
    f.choixMode->addItems({QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("FM")});

    ctx_.station = stationEnregistree();
    bandeau_->afficherStation(ctx_.station);

    saisie_->restaurerBandeEtMode();
    const QString dateAuto = ctx_.readStation(Reglages::DateAuto, QStringLiteral("Oui"));
    if (dateAuto == QLatin1String("Oui")) {
        menus_.actionDateAutomatique->setChecked(true);
        menus_.actionDateManuelle->setChecked(false);
    } else if (dateAuto == QLatin1String("Non")) {
        menus_.actionDateAutomatique->setChecked(false);
        menus_.actionDateManuelle->setChecked(true);
    }
    saisie_->setDateAuto(menus_.actionDateAutomatique->isChecked());
    radioEtSpots_->appliquerReglages();

    ctx_.settings->write(Reglages::App, Reglages::Global, Reglages::Chemin, ctx_.dataDir);

    if (!ctx_.stationSet()) {
        ctx_.dialogs->notice(QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"));
        ouvrirStation(true);
    }

    enteteListe_->setText(LigneQso::Entete);

    show();
    f.champIndicatif->setEnabled(true);
    f.champIndicatif->setFocus();

    setWindowTitle(Textes::legende());

    if (ctx_.stationSet()) chargerListe();
    saisie_->selectionnerDerniere();
    ctx_.writeStation(Reglages::Revision, Version::Revision);
    saisie_->nouvelleSaisie();

    bandeau_->demarrerHorloge();
}

void FenetrePrincipale::chargerListe() {
    // A log missing although a station is set reads as empty; the next write creates it.
    if (!ctx_.carnet->ouvrir(ctx_.logPath()))
        ctx_.dialogs->notice(QStringLiteral("Impossible de lire le log ") + ctx_.logPath());
    formulaire_.champIndicatif->setEnabled(true);
}

void FenetrePrincipale::appliquerStation() {
    ctx_.station = stationEnregistree();
    QString affiche = ctx_.station;
    affiche.replace(QLatin1Char('_'), QLatin1Char('/'));
    bandeau_->afficherStation(affiche);
    saisie_->restaurerBandeEtMode();
    chargerListe();
}

void FenetrePrincipale::rendreFocus() {
    QWidget* w = avantListe_ ? avantListe_.data() : formulaire_.champIndicatif;
    activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

void FenetrePrincipale::selectionnerQso(int ligne) { saisie_->selectionnerLigne(ligne); }

void FenetrePrincipale::ouvrirStation(bool modale) {
    if (modale) {
        DialogueStation station(ctx_);
        connect(&station, &DialogueStation::stationChoisie, this, &FenetrePrincipale::appliquerStation);
        Windows::centreOnScreen(&station);
        station.exec();
        return;
    }
    Windows::openSingle<DialogueStation>([this] {
        auto* s = new DialogueStation(ctx_);
        connect(s, &DialogueStation::stationChoisie, this, &FenetrePrincipale::appliquerStation);
        return s;
    });
}

void FenetrePrincipale::ouvrirRecherche() {
    Windows::openSingle<FenetreRecherche>([this] {
        auto* r = new FenetreRecherche(ctx_, formulaire_.listeQso->font());
        connect(r, &FenetreRecherche::qsoChoisi, saisie_, &Saisie::prendreQsoTrouve);
        return r;
    });
}

void FenetrePrincipale::choisirDateAutomatique() {
    menus_.actionDateAutomatique->setChecked(true);
    menus_.actionDateManuelle->setChecked(false);
    saisie_->setDateAuto(true);
    formulaire_.champDate->clear();
    ctx_.writeStation(Reglages::DateAuto, QStringLiteral("Oui"));
}

void FenetrePrincipale::choisirDateManuelle() {
    menus_.actionDateAutomatique->setChecked(false);
    menus_.actionDateManuelle->setChecked(true);
    saisie_->setDateAuto(false);
    ctx_.writeStation(Reglages::DateAuto, QStringLiteral("Non"));
}

void FenetrePrincipale::afficherAPropos() { ctx_.dialogs->notice(Textes::aPropos()); }

void FenetrePrincipale::afficherHistorique() { ctx_.dialogs->notice(Version::Historique); }

void FenetrePrincipale::changerStation() { ouvrirStation(false); }

void FenetrePrincipale::quitter() {
    QApplication::closeAllWindows();
    QApplication::quit();
}

void FenetrePrincipale::closeEvent(QCloseEvent* e) {
    // Every other window reaches this one: none may outlive it.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
    QMainWindow::closeEvent(e);
}

void FenetrePrincipale::rafraichirHorloge() { bandeau_->rafraichirHorloge(); }
