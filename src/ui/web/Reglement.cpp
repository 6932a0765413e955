#include "ui/web/Reglement.h"

#include <QVBoxLayout>

#include "platform/WebView.h"
#include "platform/Windows.h"
#include "ui/web/Serveurs.h"
#include "ui/web/VueWeb.h"

Reglement::Reglement(AppContext& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("Reglement"));
    setWindowTitle(QStringLiteral("Règlement du diplôme DCF"));
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    WebBrowser1 = creerWebView(ctx, this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    lay->addWidget(WebBrowser1);
}

Reglement* ouvrirReglement(AppContext& ctx) {
    bool neuve = false;
    Reglement* w = Windows::openSingle<Reglement>([&] {
        neuve = true;
        return new Reglement(ctx);
    });
    // Once centred and shown; an open window keeps the page it has.
    if (neuve)
        w->WebBrowser1->navigate(
            Serveurs::adresse(Serveurs::reglement(ctx), Serveurs::CheminReglement));
    return w;
}
