#include "ui/diplomes/FenetreCarte.h"

#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

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
// The smallest drawing: a tenth larger than the picture, where the boxes
// leave the départements in sight with few leader lines.
const QSize kCarteMinimale(CarteDessin::Largeur * 11 / 10, CarteDessin::Hauteur * 11 / 10);
const QColor kRenvoi(70, 70, 70);

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

    auto* cadreTotal = nomme(new QGroupBox, QStringLiteral("cadreTotal"));
    nombreDepartements_ = nomme(new QLabel(QStringLiteral("0")), QStringLiteral("nombreDepartements"));
    nombreDepartements_->setFont(gras(12));
    auto* legendeTotal = nomme(new QLabel(QStringLiteral("départements contactés")), QStringLiteral("legendeTotal"));
    legendeTotal->setFont(gras(12));
    // The number and the words read as one line.
    auto* total = new QHBoxLayout(cadreTotal);
    total->addStretch();
    total->addWidget(nombreDepartements_);
    total->addWidget(legendeTotal);
    total->addStretch();

    imageCarte_ = nomme(new QLabel, QStringLiteral("imageCarte"));
    imageCarte_->setFrameStyle(QFrame::Box | QFrame::Plain);
    imageCarte_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette fondBlanc = imageCarte_->palette();
    fondBlanc.setColor(QPalette::Window, Qt::white);
    fondBlanc.setColor(QPalette::WindowText, Qt::gray);  // the frame
    imageCarte_->setPalette(fondBlanc);
    imageCarte_->setAutoFillBackground(true);
    imageCarte_->setToolTip(CarteLogic::Attribution);
    const int cadre = 2 * imageCarte_->frameWidth();
    imageCarte_->setMinimumSize(kCarteMinimale + QSize(cadre, cadre));
    imageCarte_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The drawing follows the label's size; its pixmap must not hold it up.
    imageCarte_->installEventFilter(this);

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

    champConfirmes_ = nomme(new QLineEdit, QStringLiteral("champConfirmes"));
    champNonContactes_ = nomme(new QLineEdit, QStringLiteral("champNonContactes"));
    for (QLineEdit* e : {champConfirmes_, champNonContactes_}) {
        e->setFont(gras(9.75));
        e->setAlignment(Qt::AlignCenter);
        e->setReadOnly(true);
    }
    Couleurs::fond(champConfirmes_, Couleurs::VertClair);
    Couleurs::fond(champNonContactes_, Couleurs::JauneClair);
    auto* comptes = new QHBoxLayout;
    comptes->setSpacing(0);
    comptes->addWidget(champConfirmes_);
    comptes->addWidget(champNonContactes_);

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(px(120), 0, px(120), px(120));
    lay->addWidget(cadreTotal);
    lay->addWidget(imageCarte_, 1);
    lay->addLayout(comptes);

    for (int i = 1; i < NbCases; ++i) Couleurs::fond(casesDepartement_[i], JaunePale);
    remplir();

    // The smallest size, larger where the screen has room for it.
    QSize taille = minimumSizeHint();
    if (const QScreen* ecran = screen()) {
        const int place = ecran->availableGeometry().height() * 85 / 100;
        if (place > taille.height()) taille = taille * (qreal(place) / taille.height());
    }
    resize(taille);
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
    for (int i = 0; i < NbCases; ++i) {
        couleurs_[i] = couleur(carte.etats[i]);
        Couleurs::fond(casesDepartement_[i], couleurs_[i]);
    }
    if (!lu) ctx_.dialogs->notice(CarteLogic::messageLogIllisible(QFileInfo(ctx_.carnet->chemin()).fileName()));
    return carte;
}

bool FenetreCarte::eventFilter(QObject* o, QEvent* e) {
    if (o == imageCarte_ && e->type() == QEvent::Resize) dessiner();
    return QWidget::eventFilter(o, e);
}

void FenetreCarte::dessiner() {
    const QRect dedans = imageCarte_->contentsRect();
    CarteDessin dessin(couleurs_, dedans.size());
    const Etiquettes etiquettes = placerEtiquettes(dessin, QSizeF(kCase), QRectF(QPointF(), QSizeF(dedans.size())));
    QImage image = dessin.image();
    {
        // A small département's box is joined to it by a line ending in a dot.
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kRenvoi, 1));
        p.setBrush(kRenvoi);
        for (const QLineF& l : etiquettes.renvois) {
            if (l.isNull()) continue;
            p.drawLine(l);
            p.drawEllipse(l.p1(), 1.5, 1.5);
        }
    }
    imageCarte_->setPixmap(QPixmap::fromImage(image));
    for (int i = 0; i < NbCases; ++i)
        if (!etiquettes.cases[i].isNull())
            casesDepartement_[i]->move((etiquettes.cases[i].topLeft() + dedans.topLeft()).toPoint());
}
