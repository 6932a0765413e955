#include <gtest/gtest.h>

#include "core/web/PageInaccessible.h"

using PageInaccessible::Raison;

// What a reader sees: the address as given, the reason, the window's hint.
TEST(PageInaccessible, SaysWhichAddressAndWhyInFrenchWithTheWindowsHint) {
    const QString adresse = "http://127.0.0.1:9/WEB/DCF.html?a=1&b=<2>";
    const QString titre = "<h1>Page inaccessible : http://127.0.0.1:9/WEB/DCF.html?a=1&amp;b=&lt;2&gt;</h1>";
    EXPECT_EQ(PageInaccessible::html(adresse, Raison::ConnexionRefusee, -102, "Le log reste utilisable.")
                  .section("<body>", 1),
              titre + "<p>Le serveur a refusé la connexion.</p><p>Le log reste utilisable.</p></body></html>");
    EXPECT_EQ(PageInaccessible::html(adresse, Raison::ErreurServeur, 404, "").section("<body>", 1),
              titre + "<p>Le serveur a répondu par l'erreur 404.</p></body></html>");
}
