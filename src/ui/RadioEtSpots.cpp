#include "ui/RadioEtSpots.h"

#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "platform/PosteRadio.h"
#include "platform/Windows.h"
#include "ui/AppContext.h"
#include "ui/DialogueRadio.h"
#include "ui/Saisie.h"
#include "ui/SpotsDCF.h"

RadioEtSpots::RadioEtSpots(AppContext& ctx, Saisie& saisie, QMainWindow& fenetre, QWidget& sousLeFormulaire)
    : QObject(&fenetre), ctx_(ctx), saisie_(saisie), fenetre_(fenetre), sousLeFormulaire_(sousLeFormulaire) {
    poste_ = new PosteRadio(*ctx_.settings, this);
    etat_ = Windows::nomme(new QLabel, "etatRadio");
    fenetre_.statusBar()->addPermanentWidget(etat_);
    fenetre_.statusBar()->hide();
    connect(poste_, &PosteRadio::texteChange, this, &RadioEtSpots::montrerEtat);
    connect(poste_, &PosteRadio::bandeLue, &saisie_, &Saisie::suivreBandeRadio);
    connect(poste_, &PosteRadio::modeLu, &saisie_, &Saisie::suivreModeRadio);
}

void RadioEtSpots::appliquerReglages() { poste_->appliquerReglages(); }

void RadioEtSpots::reglerRadio() {
    DialogueRadio d(*ctx_.settings, *ctx_.dialogs, &fenetre_);
    if (d.exec() == QDialog::Accepted) poste_->appliquerReglages();
}

SpotsDCF* RadioEtSpots::ouvrirSpots() {
    const bool neuve = !Windows::ouverte<SpotsDCF>();
    SpotsDCF* w = ::ouvrirSpots(ctx_);
    if (neuve) placerSpots(w);
    connect(w, &SpotsDCF::spotChoisi, &saisie_, &Saisie::prendreSpot, Qt::UniqueConnection);
    connect(w, &SpotsDCF::spotARegler, poste_, &PosteRadio::reglerSpot, Qt::UniqueConnection);
    w->qsoCourant = [this] {
        const Saisie::QsoSignale q = saisie_.qsoASignaler();
        return SpotsDCF::QsoSignale{q.indicatif, q.reference};
    };
    w->frequenceRadio = [this]() -> std::optional<double> {
        const Radio::Etat e = poste_->etat();
        if (e.statut != Radio::Statut::Repond || e.hz <= 0) return std::nullopt;
        return double(e.hz) / 1000.0;
    };
    return w;
}

void RadioEtSpots::signalerQso() {
    SpotsDCF* w = ouvrirSpots();
    const Saisie::QsoSignale q = saisie_.qsoASignaler();
    w->signaler(q.indicatif, q.reference, w->frequenceRadio());
}

void RadioEtSpots::placerSpots(QWidget* w) {
    const QRect ecran = fenetre_.screen()->availableGeometry();
    const QRect cadre = fenetre_.frameGeometry();
    const QSize bords = cadre.size() - fenetre_.size();  // the window manager's frame, as it is around the window
    const QSize taille = w->size() + bords;
    // Beside the main window where the screen has room for it.
    if (cadre.right() + taille.width() <= ecran.right()) {
        w->move(cadre.right() + 1, std::max(cadre.top(), ecran.top()));
        return;
    }
    // Otherwise over the log list, under the form, as tall as the screen lets it be.
    const int haut = sousLeFormulaire_.mapToGlobal(QPoint()).y();
    const int hauteur =
        std::max(w->minimumSizeHint().height(), std::min(w->height(), ecran.bottom() - haut - bords.height()));
    w->resize(w->width(), hauteur);
    const int x = std::clamp(cadre.left(), ecran.left(), std::max(ecran.left(), ecran.right() + 1 - taille.width()));
    const int y = std::clamp(haut, ecran.top(), std::max(ecran.top(), ecran.bottom() + 1 - hauteur - bords.height()));
    w->move(x, y);
}

void RadioEtSpots::montrerEtat(const QString& texte) {
    etat_->setText(texte);
    // Without a radio the window keeps no empty strip at its foot.
    fenetre_.statusBar()->setVisible(!texte.isEmpty());
}
