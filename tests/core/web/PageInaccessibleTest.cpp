#include <gtest/gtest.h>
#include <QRegularExpression>

#include "core/web/PageInaccessible.h"

using PageInaccessible::Raison;

namespace {

// The text a reader sees: tags dropped, entities read, one line per block.
QString texte(QString html) {
    html.remove(QRegularExpression("<(head|style)>.*</\\1>"));
    html.replace(QRegularExpression("</(h1|p)>"), "\n");
    html.remove(QRegularExpression("<[^>]*>"));
    return html.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"");
}

}  // namespace

TEST(PageInaccessible, SaysWhichAddressAndWhyInFrenchWithTheWindowsHint) {
    const struct {
        Raison raison;
        int code;
        QString conseil, attendu;
    } cas[] = {
        {Raison::ConnexionRefusee, -102, "La liste et le log restent utilisables.",
         "Page inaccessible : http://127.0.0.1:9/WEB/DCF.html?a=1&b=<2>\nLe serveur a refusé la connexion.\n"
         "La liste et le log restent utilisables.\n"},
        {Raison::ErreurServeur, 404, "",
         "Page inaccessible : http://127.0.0.1:9/WEB/DCF.html?a=1&b=<2>\nLe serveur a répondu par l'erreur 404.\n"},
        {Raison::Autre, -2, "",
         "Page inaccessible : http://127.0.0.1:9/WEB/DCF.html?a=1&b=<2>\n"
         "La page n'a pas pu être chargée (erreur -2).\n"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(
            texte(PageInaccessible::html("http://127.0.0.1:9/WEB/DCF.html?a=1&b=<2>", c.raison, c.code, c.conseil)),
            c.attendu);
}
