#include <gtest/gtest.h>
#include <QRegularExpression>

#include "core/web/PageInaccessible.h"

using PageInaccessible::Raison;

// What a reader sees: the address as given, the reason, the window's hint.
TEST(PageInaccessible, SaysWhichAddressAndWhyInFrenchWithTheWindowsHint) {
    const QString adresse = "http://127.0.0.1:9/WEB/DCF.html?a=1&b=<2>";
    auto texte = [&](Raison r, int code, const QString& conseil) {
        QString html = PageInaccessible::html(adresse, r, code, conseil);
        html.remove(QRegularExpression("<(head|style)>.*</\\1>")).replace(QRegularExpression("</(h1|p)>"), "\n");
        return html.remove(QRegularExpression("<[^>]*>"))
            .replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&amp;", "&");
    };
    EXPECT_EQ(texte(Raison::ConnexionRefusee, -102, "Le log reste utilisable."),
              "Page inaccessible : " + adresse + "\nLe serveur a refusé la connexion.\nLe log reste utilisable.\n");
    EXPECT_EQ(texte(Raison::ErreurServeur, 404, ""),
              "Page inaccessible : " + adresse + "\nLe serveur a répondu par l'erreur 404.\n");
}
