#include "ui/web/FenetreReglement.h"

#include <QVBoxLayout>

#include "platform/WebView.h"
#include "platform/Windows.h"
#include "ui/web/Serveurs.h"
#include "ui/web/VueWeb.h"

using Windows::nomme;

FenetreReglement::FenetreReglement(AppContext& c, QWidget* parent) : QWidget(parent), ctx_(c) {
    setObjectName(QStringLiteral("FenetreReglement"));
    setWindowTitle(QStringLiteral("Règlement du diplôme DCF"));
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    vueWeb_ = nomme(VueWeb::creer(ctx_, this,
                                  QStringLiteral("Le règlement se lit sur Internet ; la liste des Cathédrales et le "
                                                 "log restent utilisables hors connexion.")),
                    "vueWeb");
    lay->addWidget(vueWeb_);
}

void FenetreReglement::afficherPage() {
    vueWeb_->navigate(Serveurs::adresse(Serveurs::reglement(ctx_), Serveurs::CheminReglement));
}

FenetreReglement* ouvrirReglement(AppContext& ctx) {
    bool neuve = false;
    FenetreReglement* w = Windows::openSingle<FenetreReglement>([&] {
        neuve = true;
        return new FenetreReglement(ctx);
    });
    // Once centred and shown; an open window keeps the page it has.
    if (neuve) w->afficherPage();
    return w;
}
