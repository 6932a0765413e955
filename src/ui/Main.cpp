#include "ui/Main.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QMouseEvent>
#include <QShortcut>
#include <QUrl>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Bandes.h"
#include "core/Reglages.h"
#include "core/Textes.h"
#include "core/diplomes/CarteLogic.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/saisie/StationLogic.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/KeyPress.h"
#include "platform/SettingsStore.h"
#include "platform/Windows.h"
#include "ui/DialogueImportAdif.h"
#include "ui/DialogueStation.h"
#include "ui/ExportAdif.h"
#include "ui/FenetreRecherche.h"
#include "ui/Guide.h"
#include "ui/MiseAJourListe.h"
#include "ui/ModeleLog.h"
#include "ui/SpotsDCF.h"
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

const QString kAideListe = QStringLiteral(
    "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'editer");

}  // namespace

QString Main::stationEnregistree() const {
    const QString s = ctx.settings->read(Keys::App, Keys::Global, Keys::Indicatif, Keys::StationDefaut);
    // A stored callsign names a file: one that a typed callsign could not be
    // ("../x") is taken as no station at all.
    return StationLogic::refus(s).isEmpty() ? s : Keys::StationDefaut;
}

Main::Main(AppContext& c, QWidget* parent) : QMainWindow(parent), ctx(c) {
    setObjectName(QStringLiteral("Main"));
    construire();
    MenusMain::construire(this);
    connecterMenus();
    Saisie::ordreTabulation(*this);
    KeyPress::entreePresseLesBoutons();
}

void Main::construire() {
    auto* central = new QWidget;
    auto* root = new QVBoxLayout(central);

    // Top: picture, UTC date, station, clocks.
    auto* top = new QHBoxLayout;
    Picture1 = nomme(new QLabel, "Picture1");
    Picture1->setPixmap(imageCathedrale());
    Picture1->setFixedSize(47, 60);
    top->addWidget(Picture1);

    QFont grand = font();
    grand.setPointSize(grand.pointSize() + 4);
    grand.setBold(true);

    Frame7 = nomme(new QGroupBox, "Frame7");
    Label33 = nomme(new QLabel(QStringLiteral("02/02/08")), "Label33");
    Label33->setFont(grand);
    (new QVBoxLayout(Frame7))->addWidget(Label33);
    top->addWidget(Frame7);

    Frame1 = nomme(new QGroupBox, "Frame1");
    Label2 = nomme(new QLabel(QStringLiteral("INDICATIF DE LA STATION  : ")), "Label2");
    I_Station = nomme(new QLabel, "I_Station");
    I_Station->setFont(grand);
    I_Station->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
    auto* f1 = new QHBoxLayout(Frame1);
    f1->addWidget(Label2);
    f1->addWidget(I_Station, 1);
    top->addWidget(Frame1, 1);

    Frame2 = nomme(new QGroupBox, "Frame2");
    Label34 = nomme(new QLabel(QStringLiteral("12:20")), "Label34");
    Label37 = nomme(new QLabel(QStringLiteral("12:35")), "Label37");
    Label34->setFont(grand);
    Label37->setFont(grand);
    auto* f2 = new QVBoxLayout(Frame2);
    f2->addWidget(Label34);
    f2->addWidget(Label37);
    top->addWidget(Frame2);
    root->addLayout(top);

    // Middle: the entry form and the command buttons.
    auto* middle = new QHBoxLayout;
    Frame3 = nomme(Saisie::construireFormulaire(*this, font()), "Frame3");
    middle->addWidget(Frame3, 1);

    auto* boutons = new QVBoxLayout;
    Valide_A = nomme(new QPushButton(QStringLiteral("&Valider le QSO")), "Valide_A");
    Efface_A = nomme(new QPushButton(QStringLiteral("A&nnuler saisie en cours")), "Efface_A");
    Ajout_QSO = nomme(new QPushButton(QStringLiteral("&Inserer un QSO")), "Ajout_QSO");
    Annule_Saisie = nomme(new QPushButton(QStringLiteral("Su&pprimer un QSO")), "Annule_Saisie");
    Rechercher = nomme(new QPushButton(QStringLiteral("Rec&hercher un QSO")), "Rechercher");
    for (QPushButton* b : {Valide_A, Efface_A, Ajout_QSO, Annule_Saisie, Rechercher}) boutons->addWidget(b);
    Label14 = nomme(new QLabel(QStringLiteral("Vitralog, carnet de trafic DCF")), "Label14");
    Label14->setAlignment(Qt::AlignCenter);
    Label14->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90); font-style: italic;"));
    boutons->addWidget(Label14);
    boutons->addStretch();
    middle->addLayout(boutons);
    root->addLayout(middle);

    // Bottom: the log list and its header.
    L_Communes = nomme(new QGroupBox(kAideListe), "L_Communes");
    auto* bas = new QVBoxLayout(L_Communes);
    bas->setSpacing(0);
    Label_Liste_DCF = nomme(new EnteteListe, "Label_Liste_DCF");
    bas->addWidget(Label_Liste_DCF);
    Liste_DCF = nomme(new QListView, "Liste_DCF");
    modele = new ModeleLog(ctx.carnet, this);
    Liste_DCF->setModel(modele);
    Liste_DCF->setUniformItemSizes(true);
    Liste_DCF->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_DCF->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_DCF->setFont(policeListe());
    Liste_DCF->setToolTip(kAideListe);
    Liste_DCF->setMinimumHeight(380);
    bas->addWidget(Liste_DCF, 1);
    root->addWidget(L_Communes, 1);
    ajusterEntete();

    setCentralWidget(central);

    // Design-time state: only the band, the callsign, the list and three buttons.
    for (QWidget* w : {static_cast<QWidget*>(Bande_A), static_cast<QWidget*>(Ind_A)})
        w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{Prenom_A, Ref_A, Dpt_A, Date_A, Heure_A,
                                                      Mode_A, RST_A, RSTE_A, Rem_A, QSL_A,
                                                      Valide_A, Annule_Saisie})
        w->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{Bande_A, Prenom_A, Ref_A, Dpt_A, Date_A,
                                                      Heure_A, Mode_A, RST_A, RSTE_A, Rem_A})
        Couleurs::fond(w, Couleurs::JauneClair);
    Couleurs::fond(Ind_A, Couleurs::VertClair);

    saisie = new Saisie(ctx, *this, modele, this);
    connect(Efface_A, &QPushButton::clicked, saisie, &Saisie::Efface_A_Click);
    connect(Valide_A, &QPushButton::clicked, saisie, &Saisie::Valide_A_Click);
    connect(Annule_Saisie, &QPushButton::clicked, saisie, &Saisie::Annule_Saisie_Click);
    connect(Ajout_QSO, &QPushButton::clicked, saisie, &Saisie::Ajout_QSO_Click);
    connect(Rechercher, &QPushButton::clicked, this, &Main::Rechercher_Click);
    connect(Liste_DCF, &QListView::doubleClicked, saisie, &Saisie::Liste_DCF_DblClick);
    Liste_DCF->viewport()->installEventFilter(this);
    connect(Liste_DCF, &QListView::clicked, saisie, &Saisie::Liste_DCF_Click);
    connect(Liste_DCF->selectionModel(), &QItemSelectionModel::currentRowChanged, saisie,
            [this](const QModelIndex& cur) {
                if (cur.isValid()) saisie->Liste_DCF_Click();
            });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
}

void Main::ajusterEntete() {
    QFont f = Liste_DCF->font();
    f.setBold(true);
    Label_Liste_DCF->setFont(f);
    Label_Liste_DCF->setColonnes(QFontMetricsF(Liste_DCF->font()).horizontalAdvance(QLatin1Char('0')),
                                 OutilsDiplomes::margeTexte(Liste_DCF));
    // Wide enough for a whole line, the QSL mark included.
    Liste_DCF->setMinimumWidth(
        OutilsDiplomes::largeurLignes(Liste_DCF, Liste_DCF->font(), LigneQso::LongueurAffichage + 1));
}

void Main::connecterMenus() {
    connect(Mnu_ADIF, &QAction::triggered, this, [this] { ExportAdif::exporter(ctx); });
    connect(Mnu_Quitter, &QAction::triggered, this, &Main::Mnu_Quitter_Click);
    connect(Mnu_Date_Auto, &QAction::triggered, this, &Main::Mnu_Date_Auto_Click);
    connect(Mnu_Date_Man, &QAction::triggered, this, &Main::Mnu_Date_Man_Click);
    connect(Mnu_Apropos, &QAction::triggered, this, &Main::Mnu_Apropos_Click);
    connect(Mnu_Historique, &QAction::triggered, this, &Main::Mnu_Historique_Click);
    connect(Mnu_New_Indicatif, &QAction::triggered, this, &Main::Mnu_New_Indicatif_Click);
    connect(Mnu_Maj_DCF, &QAction::triggered, this, [this] { MiseAJourListe::mettreAJour(ctx); });
    connect(Mnu_Reglement, &QAction::triggered, this, [this] { ouvrirReglement(ctx); });
    connect(Mnu_Cluster, &QAction::triggered, this, [this] { ouvrirCluster(ctx); });
    connect(Mnu_Carte_Contacte, &QAction::triggered, this,
            [this] { Windows::openSingle<FenetreCarte>([this] { return new FenetreCarte(ctx); }); });
    connect(Mnu_Diplomes, &QAction::triggered, this,
            [this] { Windows::openSingle<FenetreDiplomes>([this] { return new FenetreDiplomes(ctx); }); });
    connect(Mnu_L_Contacte, &QAction::triggered, this,
            [this] { Windows::openSingle<FenetreContactees>([this] { return new FenetreContactees(ctx); }); });
    connect(Mnu_Import_ADIF, &QAction::triggered, this, [this] { DialogueImportAdif::importer(ctx, this); });
    connect(Mnu_Import_DCF, &QAction::triggered, this, [this] { MiseAJourListe::importer(ctx); });
    connect(Mnu_Dossier, &QAction::triggered, this, &Main::Mnu_Dossier_Click);
    Mnu_Dossier->setStatusTip(QDir::toNativeSeparators(ctx.dataDir));
    Mnu_Dossier->setToolTip(QDir::toNativeSeparators(ctx.dataDir));
    connect(Mnu_Spots, &QAction::triggered, this, &Main::Mnu_Spots_Click);
    connect(Mnu_Guide, &QAction::triggered, this, [this] { ouvrirGuide(ctx); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
            &Main::Rechercher_Click);
}

void Main::Mnu_Dossier_Click() {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ctx.dataDir)))
        ctx.dialogs->notice(QStringLiteral("Le dossier des données est ") + QDir::toNativeSeparators(ctx.dataDir));
}

void Main::Mnu_Spots_Click() {
    SpotsDCF* w = ouvrirSpots(ctx);
    connect(w, &SpotsDCF::spotChoisi, saisie, &Saisie::prendreSpot, Qt::UniqueConnection);
}

bool Main::eventFilter(QObject* o, QEvent* e) {
    // A double click where no line stands is still the list's double click.
    if (o == Liste_DCF->viewport() && e->type() == QEvent::MouseButtonDblClick &&
        !Liste_DCF->indexAt(static_cast<QMouseEvent*>(e)->position().toPoint()).isValid())
        saisie->Liste_DCF_DblClick();
    return QMainWindow::eventFilter(o, e);
}

void Main::demarrer() {
    adjustSize();
    Windows::centreOnScreen(this);
    Bande_A->clear();
    Bande_A->addItems(Bandes::textesListe());
    Mode_A->clear();
    Mode_A->addItems({QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("FM")});

    ctx.station = stationEnregistree();
    I_Station->setText(ctx.station);

    saisie->restaurerBandeEtMode();
    const QString dateAuto = ctx.readStation(Keys::DateAuto, QStringLiteral("Oui"));
    if (dateAuto == QLatin1String("Oui")) {
        Mnu_Date_Auto->setChecked(true);
        Mnu_Date_Man->setChecked(false);
    } else if (dateAuto == QLatin1String("Non")) {
        Mnu_Date_Auto->setChecked(false);
        Mnu_Date_Man->setChecked(true);
    }
    saisie->setDateAuto(Mnu_Date_Auto->isChecked());

    ctx.settings->write(Keys::App, Keys::Global, Keys::Chemin, ctx.dataDir);

    if (!ctx.stationSet()) {
        ctx.dialogs->notice(QStringLiteral(
            "\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"));
        ouvrirStation(true);
    }

    Label_Liste_DCF->setText(LigneQso::Entete);

    saisie->Mode_Modification = false;
    show();
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
    Mode_Aff->setText(QStringLiteral("Saisie QSO"));

    setWindowTitle(Textes::legende());

    if (ctx.stationSet()) chargerListe();
    saisie->selectionnerDerniere();
    ctx.writeStation(Keys::Revision, Version::Revision);
    saisie->Init_Saisie();

    Timer1_Timer();
    Timer1->start();
}

void Main::chargerListe() {
    // A log missing although a station is set reads as empty; the next write creates it.
    if (!ctx.carnet->ouvrir(ctx.logPath()))
        ctx.dialogs->notice(QStringLiteral("Impossible de lire le log ") + ctx.logPath());
    Ind_A->setEnabled(true);
}

void Main::appliquerStation() {
    ctx.station = stationEnregistree();
    QString affiche = ctx.station;
    affiche.replace(QLatin1Char('_'), QLatin1Char('/'));
    I_Station->setText(affiche);
    saisie->restaurerBandeEtMode();
    chargerListe();
}

void Main::ouvrirStation(bool modale) {
    if (modale) {
        DialogueStation station(ctx);
        connect(&station, &DialogueStation::stationChoisie, this, &Main::appliquerStation);
        Windows::centreOnScreen(&station);
        station.exec();
        return;
    }
    Windows::openSingle<DialogueStation>([this] {
        auto* s = new DialogueStation(ctx);
        connect(s, &DialogueStation::stationChoisie, this, &Main::appliquerStation);
        return s;
    });
}

void Main::Rechercher_Click() {
    Windows::openSingle<FenetreRecherche>([this] {
        auto* r = new FenetreRecherche(ctx, Liste_DCF->font());
        connect(r, &FenetreRecherche::qsoChoisi, saisie, &Saisie::selectionnerLigne);
        return r;
    });
}

void Main::Mnu_Date_Auto_Click() {
    Mnu_Date_Auto->setChecked(true);
    Mnu_Date_Man->setChecked(false);
    saisie->setDateAuto(true);
    Date_A->clear();
    ctx.writeStation(Keys::DateAuto, QStringLiteral("Oui"));
}

void Main::Mnu_Date_Man_Click() {
    Mnu_Date_Auto->setChecked(false);
    Mnu_Date_Man->setChecked(true);
    saisie->setDateAuto(false);
    ctx.writeStation(Keys::DateAuto, QStringLiteral("Non"));
}

void Main::Mnu_Apropos_Click() { ctx.dialogs->notice(Textes::aPropos()); }

void Main::Mnu_Historique_Click() { ctx.dialogs->notice(Version::Historique); }

void Main::Mnu_New_Indicatif_Click() {
    ouvrirStation(false);
}

void Main::Mnu_Quitter_Click() {
    QApplication::closeAllWindows();
    QApplication::quit();
}

void Main::closeEvent(QCloseEvent* e) {
    // Every other window reaches this one: none may outlive it.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
    QMainWindow::closeEvent(e);
}

void Main::Timer1_Timer() {
    const QDateTime utc = ctx.clock->utcNow();
    const QDateTime loc = ctx.clock->localNow();
    Label37->setText(utc.time().toString(QStringLiteral("HH:mm")) + QStringLiteral(" Utc"));
    Label34->setText(loc.time().toString(QStringLiteral("HH:mm")) + QStringLiteral(" Loc"));
    Label33->setText(utc.date().toString(QStringLiteral("dd/MM/yy")));
}
