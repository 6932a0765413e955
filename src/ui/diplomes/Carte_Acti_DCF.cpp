#include "ui/diplomes/Carte_Acti_DCF.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>

#include "ui/widgets/Couleurs.h"
#include "ui/diplomes/CarteDessin.h"
#include "platform/Dialogs.h"
#include "core/journal/Carnet.h"
#include "ui/diplomes/Commun.h"
#include "platform/Windows.h"

using Windows::nomme;

using CarteLogic::Etat;
using CarteLogic::NbCases;

const QColor Carte_Acti_DCF::JaunePale(255, 255, 128);
const QColor Carte_Acti_DCF::RougePale(255, 192, 192);
const QColor Carte_Acti_DCF::VertPale(128, 255, 128);

namespace {

// Twips of the form at 15 per pixel.
constexpr int px(int twips) { return twips / 15; }
const QSize kCase(px(375), px(300));

QFont gras(qreal points, const QString& family = {}) {
    QFont f;
    if (!family.isEmpty()) f.setFamily(family);
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

}  // namespace

QColor Carte_Acti_DCF::couleur(Etat e) {
    switch (e) {
    case Etat::Contacte: return RougePale;
    case Etat::Confirme: return VertPale;
    case Etat::NonContacte: break;
    }
    return JaunePale;
}

Carte_Acti_DCF::Carte_Acti_DCF(AppContext& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("Carte_Acti_DCF"));
    setWindowTitle(QStringLiteral("Carte des départements contactés"));
    setFixedSize(px(7455), px(9150));

    Frame1 = nomme(new QGroupBox(this), QStringLiteral("Frame1"));
    Frame1->setGeometry(px(120), 0, px(7215), px(735));
    NB_Dep = nomme(new QLabel(QStringLiteral("0"), Frame1), QStringLiteral("NB_Dep"));
    NB_Dep->setGeometry(px(1440), px(240), px(735), px(255));
    NB_Dep->setFont(gras(12));
    // Right against the words, so the number and the words read as one line.
    NB_Dep->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label5 = nomme(new QLabel(QStringLiteral("départements contactés"), Frame1),
                   QStringLiteral("Label5"));
    Label5->setGeometry(px(2280), px(240), px(3495), px(375));
    Label5->setFont(gras(12));
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Picture1 = nomme(new QLabel(this), QStringLiteral("Picture1"));
    Picture1->setGeometry(px(120), px(960), px(7215), px(7695));
    Picture1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette fondBlanc = Picture1->palette();
    fondBlanc.setColor(QPalette::Window, Qt::white);
    fondBlanc.setColor(QPalette::WindowText, Qt::gray);  // the frame
    Picture1->setPalette(fondBlanc);
    Picture1->setAutoFillBackground(true);
    Picture1->setToolTip(CarteLogic::Attribution);

    const QFont police = gras(9.75, QStringLiteral("Arial"));
    for (int i = 0; i < NbCases; ++i) {
        auto* b = nomme(new QLineEdit(CarteLogic::texteCase(i), Picture1),
                        QStringLiteral("Dep(%1)").arg(i));
        b->resize(kCase);
        b->setFont(police);
        b->setAlignment(Qt::AlignCenter);
        b->setTextMargins(0, 0, 0, 0);
        // Nothing reads the boxes back: they only show.
        b->setReadOnly(true);
        b->setFocusPolicy(Qt::NoFocus);
        Couleurs::fond(b, Couleurs::Blanc);
        b->setVisible(CarteLogic::caseVisible(i));
        Dep[i] = b;
    }

    Nb_Nconf = nomme(new QLineEdit(this), QStringLiteral("Nb_Nconf"));
    Nb_Nconf->setGeometry(px(120), px(8640), px(3495), px(375));
    Nb_Ncont = nomme(new QLineEdit(this), QStringLiteral("Nb_Ncont"));
    Nb_Ncont->setGeometry(px(3600), px(8640), px(3735), px(375));
    for (QLineEdit* e : {Nb_Nconf, Nb_Ncont}) {
        e->setFont(gras(9.75));
        e->setAlignment(Qt::AlignCenter);
        e->setReadOnly(true);
    }
    Couleurs::fond(Nb_Nconf, Couleurs::VertClair);
    Couleurs::fond(Nb_Ncont, Couleurs::JauneClair);

    for (int i = 1; i < NbCases; ++i) Couleurs::fond(Dep[i], JaunePale);
    Remplir_Carte();
}

void Carte_Acti_DCF::Remplir_Carte() {
    int total = 0, nonConfirmes = 0, confirmes = 0;
    Colorier_Carte(total, nonConfirmes, confirmes);
    NB_Dep->setText(QString::number(total));
    Nb_Nconf->setText(CarteLogic::texteConfirmes(confirmes));
    Nb_Ncont->setText(CarteLogic::texteNonContactes(nonConfirmes, confirmes));
}

void Carte_Acti_DCF::Colorier_Carte(int& total, int& nonConfirmes, int& confirmes) {
    ctx.carnetAJour();
    const bool lu = ctx.carnet->present();
    const CarteLogic::Carte carte = lu ? CarteLogic::colorier(*ctx.carnet) : CarteLogic::Carte{};

    std::array<QColor, NbCases> couleurs;
    for (int i = 0; i < NbCases; ++i) {
        couleurs[i] = couleur(carte.etats[i]);
        Couleurs::fond(Dep[i], couleurs[i]);
    }
    CarteDessin dessin(couleurs);
    Picture1->setPixmap(QPixmap::fromImage(dessin.image()));
    placerCases(dessin);

    total = carte.total;
    nonConfirmes += carte.nonConfirmes;
    confirmes += carte.confirmes;

    if (!lu) ctx.dialogs->notice(CarteLogic::messageLogIllisible(QFileInfo(ctx.carnet->chemin()).fileName()));
}

void Carte_Acti_DCF::placerCases(const CarteDessin& dessin) {
    const QRect dedans = Picture1->contentsRect();
    std::array<QRectF, NbCases> cases{};
    for (int i = 0; i < NbCases; ++i) {
        if (!CarteLogic::caseVisible(i)) continue;
        cases[i] = QRectF(QPointF(), QSizeF(kCase));
        cases[i].moveCenter(dessin.centre(i) + dedans.topLeft());
    }
    ecarterCases(cases, dedans);
    for (int i = 0; i < NbCases; ++i)
        if (!cases[i].isNull()) Dep[i]->move(cases[i].topLeft().toPoint());
}
