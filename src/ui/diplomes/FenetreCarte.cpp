#include "ui/diplomes/FenetreCarte.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>

#include "core/journal/Carnet.h"
#include "platform/Dialogs.h"
#include "platform/Windows.h"
#include "ui/diplomes/CarteDessin.h"
#include "ui/widgets/Couleurs.h"

using Windows::nomme;

using CarteLogic::Etat;
using CarteLogic::NbCases;

const QColor FenetreCarte::JaunePale(255, 255, 128);
const QColor FenetreCarte::RougePale(255, 192, 192);
const QColor FenetreCarte::VertPale(128, 255, 128);

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

QColor FenetreCarte::couleur(Etat e) {
    switch (e) {
        case Etat::Contacte: return RougePale;
        case Etat::Confirme: return VertPale;
        case Etat::NonContacte: break;
    }
    return JaunePale;
}

FenetreCarte::FenetreCarte(AppContext& c, QWidget* parent) : QWidget(parent), ctx_(c) {
    setObjectName(QStringLiteral("FenetreCarte"));
    setWindowTitle(QStringLiteral("Carte des départements contactés"));
    setFixedSize(px(7455), px(9150));

    auto* cadreTotal = nomme(new QGroupBox(this), QStringLiteral("cadreTotal"));
    cadreTotal->setGeometry(px(120), 0, px(7215), px(735));
    nombreDepartements_ = nomme(new QLabel(QStringLiteral("0"), cadreTotal), QStringLiteral("nombreDepartements"));
    nombreDepartements_->setGeometry(px(1440), px(240), px(735), px(255));
    nombreDepartements_->setFont(gras(12));
    // Right against the words, so the number and the words read as one line.
    nombreDepartements_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* legendeTotal =
        nomme(new QLabel(QStringLiteral("départements contactés"), cadreTotal), QStringLiteral("legendeTotal"));
    legendeTotal->setGeometry(px(2280), px(240), px(3495), px(375));
    legendeTotal->setFont(gras(12));
    legendeTotal->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    imageCarte_ = nomme(new QLabel(this), QStringLiteral("imageCarte"));
    imageCarte_->setGeometry(px(120), px(960), px(7215), px(7695));
    imageCarte_->setFrameStyle(QFrame::Box | QFrame::Plain);
    imageCarte_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette fondBlanc = imageCarte_->palette();
    fondBlanc.setColor(QPalette::Window, Qt::white);
    fondBlanc.setColor(QPalette::WindowText, Qt::gray);  // the frame
    imageCarte_->setPalette(fondBlanc);
    imageCarte_->setAutoFillBackground(true);
    imageCarte_->setToolTip(CarteLogic::Attribution);

    const QFont police = gras(9.75, QStringLiteral("Arial"));
    for (int i = 0; i < NbCases; ++i) {
        auto* b =
            nomme(new QLineEdit(CarteLogic::texteCase(i), imageCarte_), QStringLiteral("casesDepartement(%1)").arg(i));
        b->resize(kCase);
        b->setFont(police);
        b->setAlignment(Qt::AlignCenter);
        b->setTextMargins(0, 0, 0, 0);
        // Nothing reads the boxes back: they only show.
        b->setReadOnly(true);
        b->setFocusPolicy(Qt::NoFocus);
        Couleurs::fond(b, Couleurs::Blanc);
        b->setVisible(CarteLogic::caseVisible(i));
        casesDepartement_[i] = b;
    }

    champConfirmes_ = nomme(new QLineEdit(this), QStringLiteral("champConfirmes"));
    champConfirmes_->setGeometry(px(120), px(8640), px(3495), px(375));
    champNonContactes_ = nomme(new QLineEdit(this), QStringLiteral("champNonContactes"));
    champNonContactes_->setGeometry(px(3600), px(8640), px(3735), px(375));
    for (QLineEdit* e : {champConfirmes_, champNonContactes_}) {
        e->setFont(gras(9.75));
        e->setAlignment(Qt::AlignCenter);
        e->setReadOnly(true);
    }
    Couleurs::fond(champConfirmes_, Couleurs::VertClair);
    Couleurs::fond(champNonContactes_, Couleurs::JauneClair);

    for (int i = 1; i < NbCases; ++i) Couleurs::fond(casesDepartement_[i], JaunePale);
    remplir();
}

void FenetreCarte::remplir() {
    const CarteLogic::Carte carte = colorier();
    nombreDepartements_->setText(QString::number(carte.total));
    champConfirmes_->setText(CarteLogic::texteConfirmes(carte.confirmes));
    champNonContactes_->setText(CarteLogic::texteNonContactes(carte.nonConfirmes, carte.confirmes));
}

CarteLogic::Carte FenetreCarte::colorier() {
    ctx_.carnetAJour();
    const bool lu = ctx_.carnet->present();
    const CarteLogic::Carte carte = lu ? CarteLogic::colorier(*ctx_.carnet) : CarteLogic::Carte{};

    std::array<QColor, NbCases> couleurs;
    for (int i = 0; i < NbCases; ++i) {
        couleurs[i] = couleur(carte.etats[i]);
        Couleurs::fond(casesDepartement_[i], couleurs[i]);
    }
    CarteDessin dessin(couleurs);
    imageCarte_->setPixmap(QPixmap::fromImage(dessin.image()));
    placerCases(dessin);

    if (!lu) ctx_.dialogs->notice(CarteLogic::messageLogIllisible(QFileInfo(ctx_.carnet->chemin()).fileName()));
    return carte;
}

void FenetreCarte::placerCases(const CarteDessin& dessin) {
    const QRect dedans = imageCarte_->contentsRect();
    std::array<QRectF, NbCases> cases{};
    for (int i = 0; i < NbCases; ++i) {
        if (!CarteLogic::caseVisible(i)) continue;
        cases[i] = QRectF(QPointF(), QSizeF(kCase));
        cases[i].moveCenter(dessin.centre(i) + dedans.topLeft());
    }
    ecarterCases(cases, dedans);
    for (int i = 0; i < NbCases; ++i)
        if (!cases[i].isNull()) casesDepartement_[i]->move(cases[i].topLeft().toPoint());
}
