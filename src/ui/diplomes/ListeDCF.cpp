#include "ui/diplomes/ListeDCF.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/widgets/Couleurs.h"
#include "ui/diplomes/Commun.h"
#include "ui/diplomes/ModeleEntrees.h"
#include "core/journal/Carnet.h"
#include "core/diplomes/Rapports.h"
#include "platform/Clock.h"
#include "platform/Windows.h"

using Windows::nomme;

Liste_DCF::Liste_DCF(AppContext& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("Liste_DCF"));
    setWindowTitle(QStringLiteral("Diplôme DCF"));

    auto* root = new QVBoxLayout(this);
    QFont gras = font();
    gras.setPointSize(12);
    gras.setBold(true);

    Frame1 = nomme(new QGroupBox, "Frame1");
    Label4 = nomme(new QLabel(QStringLiteral("Diplome DCF")), "Label4");
    Label3 = nomme(new QLabel(QStringLiteral("Cathédrales confirmées")), "Label3");
    Label4->setFont(gras);
    Label3->setFont(gras);
    auto* f1 = new QVBoxLayout(Frame1);
    f1->addWidget(Label4);
    f1->addWidget(Label3);
    root->addWidget(Frame1);

    Frame2 = nomme(new QGroupBox, "Frame2");
    auto* f2 = new QVBoxLayout(Frame2);
    f2->setSpacing(0);
    const QFont fixe = Awards::policeFixe(9);
    // Same font as the list: the header reads as written, each title at its
    // own column of the list.
    Label2 = nomme(new EnteteColonnes(Rapports::EnteteListeDiplome, {{QStringLiteral("Ref"), 5},
                                                  {QStringLiteral("Dpt"), 13},
                                                  {QStringLiteral("Nom de la cathédrale"), 19},
                                                  {QStringLiteral("Date"), 52},
                                                  {QStringLiteral("Heure"), 59},
                                                  {QStringLiteral("Indicatif"), 65}}),
                   "Label2");
    Label2->setFont(fixe);
    f2->addWidget(Label2);
    Liste_DCF_Contacte = nomme(new QListView, "Liste_DCF_Contacte");
    modele = new ModeleEntrees(this);
    Liste_DCF_Contacte->setModel(modele);
    Liste_DCF_Contacte->setUniformItemSizes(true);
    Liste_DCF_Contacte->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_DCF_Contacte->setFont(fixe);
    Couleurs::fond(Liste_DCF_Contacte, Couleurs::JauneClair);
    const QFontMetricsF fm(fixe);
    const int marge = Awards::margeTexte(Liste_DCF_Contacte);
    Liste_DCF_Contacte->setMinimumSize(Awards::largeurLignes(Liste_DCF_Contacte, fixe, 80), 424);
    Label2->setColonnes(fm.horizontalAdvance(QLatin1Char('0')), marge);
    f2->addWidget(Liste_DCF_Contacte, 1);
    root->addWidget(Frame2, 1);

    Enregistrer = nomme(new QPushButton(QStringLiteral("Enregistrer")), "Enregistrer");
    Imprimer = nomme(new QPushButton(QStringLiteral("Imprimer")), "Imprimer");
    Command1 = nomme(new QPushButton(QStringLiteral("Quitter")), "Command1");
    root->addLayout(Awards::rangeeBoutons({Enregistrer, Imprimer, Command1}));
    Enregistrer->setEnabled(false);
    Imprimer->setEnabled(false);

    connect(Enregistrer, &QPushButton::clicked, this, &Liste_DCF::Enregistrer_Click);
    connect(Imprimer, &QPushButton::clicked, this, &Liste_DCF::Imprimer_Click);
    connect(Command1, &QPushButton::clicked, this, &Liste_DCF::Command1_Click);

    Label4->setText(QStringLiteral("Diplome DCF ") + ctx.Niveau_Diplome);
    if (const Carnet* log = Awards::lireLog(ctx)) modele->remplacer(Rapports::entreesDiplome(*log));
    Label3->setText(QLatin1Char(' ') + QString::number(modele->rowCount()) +
                    QStringLiteral(" Cathédrales confirmées"));
    Imprimer->setEnabled(true);
    Enregistrer->setEnabled(true);
}

QStringList Liste_DCF::entrees() const { return modele->entrees().textes(); }

void Liste_DCF::Enregistrer_Click() {
    const QString aujourdhui = ctx.clock->todayShort();
    Awards::enregistrer(ctx, Rapports::nomFichierDiplome(ctx.station, ctx.Niveau_Diplome, aujourdhui),
                        Rapports::fichierDiplome(ctx.station, aujourdhui, entrees()),
                        QStringLiteral("Fichier enregistré sous le nom : "));
}

void Liste_DCF::Imprimer_Click() {
    Awards::imprimer(ctx, Rapports::impressionDiplome(ctx.station, ctx.Niveau_Diplome,
                                                      ctx.clock->todayShort(), entrees()),
                     false);
}

void Liste_DCF::Command1_Click() { close(); }
