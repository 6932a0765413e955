#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "core/Reglages.h"
#include "core/liste/ListeReference.h"
#include "platform/HttpClient.h"
#include "reflist/ServeurLocal.h"
#include "support/Doubles.h"
#include "ui/MiseAJourListe.h"

namespace {

const QString MisAJour = QStringLiteral("La liste des Cathédrales à été mise à jour ");
const QString Derniere = QStringLiteral("La liste des Cathédrales est à la derniere révision   (");

// Windows-1252 list, CR LF: "é" is the byte 0xE9. Basilicas after the cathedrals.
QByteArray liste(const QByteArray& revision, int lignes, const QByteArray& intruse = {}) {
    QByteArray b = revision + ";;;;\r\n";
    for (int i = 1; i <= lignes; ++i)
        b += (i % 4 ? "DCF-" : "DBF-") + QByteArray::number(i).rightJustified(3, '0') + (i % 4 ? "" : "B") +
             ";Bourges;18;Saint-\xE9tienne;\r\n" + (i == 10 ? intruse : QByteArray());
    return b;
}

const QByteArray Rev002 = liste("Rev 002 du 01/03/15", 40);
const QByteArray Rev003 = liste("Rev 003 du 10/09/15", 25);  // shorter than Rev002

TEST(ListeReference, OnlyAWholeListIsAccepted) {
    const QByteArray r = "Rev 012 du 03/05/21";
    // Also with LF ends and nothing after the revision, or an odd line the lookup passes over.
    for (const QByteArray& octets :
         {liste(r, 20), QByteArray(liste(r, 20)).replace("\r\n", "\n").replace(";;;;\n", "\n"),
          liste(r, 20, "Mise a jour par F6XYZ\r\n")})
        EXPECT_TRUE(ListeReference::estUneListe(octets)) << octets.left(60).constData();
    // Too short (a reference line with three ";" does not count), no revision, a bad date, a NUL.
    for (const QByteArray& octets :
         {liste(r, 19, "DCF-999;Albi;81;Sainte-Cecile\r\n"), liste("DCF-000;x;00;x;", 30),
          liste("Rev 012 du 31/02/21", 30), liste(r, 30, QByteArray("DCF-998;Vannes;56;\0;\r\n", 22))})
        EXPECT_FALSE(ListeReference::estUneListe(octets)) << octets.left(60).constData();
    EXPECT_EQ(ListeReference::revision("Rev 012 du 03/05/21 \xE9;;;;\r\nDCF-001;"), "Rev 012 du 03/05/21");
    EXPECT_EQ(ListeReference::revision("Rev 0\xE9\r\n"), "Rev 0é");
}

struct Maj : ::testing::Test {
    TestEnv env;
    ServeurLocal srv;
    QtHttpClient http{1500};

    void SetUp() override {
        ASSERT_TRUE(srv.listening);
        env.station("F5XYZ");
        env.ctx.http = &http;
        serveur(srv.base());
    }
    void serveur(const QString& adresse) {
        env.settings->write(Reglages::App, Reglages::Global, Reglages::ServeurListe, adresse);
    }
    // The download, or with a path (empty: the operator gave up) the import from that file.
    QStringList lancer(const QString& chemin = QString()) {
        env.dialogs.notices.clear();
        if (!chemin.isNull())
            MiseAJourListe::importer(env.ctx, [&](QWidget*, const QString&) { return chemin; });
        else
            MiseAJourListe::mettreAJour(env.ctx);
        return env.dialogs.notices;
    }
    // Clicks "Annuler" once the progress dialog shows, as the operator would.
    void annuler() {
        http = QtHttpClient{20000};  // the click, not the time limit, ends it
        auto* guet = new QTimer;
        QObject::connect(guet, &QTimer::timeout, guet, [guet] {
            auto* d = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible() || d->objectName() != "progressionListe") return;
            auto* b = d->findChild<QPushButton*>();
            EXPECT_EQ(d->labelText() + "|" + b->text(), "Téléchargement de la liste DCF…|Annuler");
            QTest::mouseClick(b, Qt::LeftButton);
            guet->deleteLater();
        });
        guet->start(20);
    }
    // The list on disk, the revision stored for the station, then any leftover temporary file.
    QStringList etat() {
        const QByteArray o = env.readFile("Liste_DCF.csv");
        const QString fichier = o == Rev002 ? "Rev002" : (o == Rev003 ? "Rev003" : "autre");
        return QStringList{fichier, env.ctx.readStation(Reglages::RevisionListe, "<absent>")} +
               QDir(env.dir.path()).entryList({"Temporaire*"});
    }
};

// A refused, unreadable or abandoned import changes nothing; a station never
// updated compares with Rev 000; a newer revision, downloaded or imported,
// replaces the whole list and is stored for the station alone (another
// station still sees it as new).
TEST_F(Maj, ANewerRevisionReplacesTheListOncePerStation) {
    env.writeFile("Liste_DCF.csv", Rev002);
    env.writeFile("html.csv", "<html>a;b;c;d;e</html>\r\n");
    env.writeFile("rev003.csv", Rev003);
    QStringList vus = lancer(env.ctx.path("html.csv"));
    vus += lancer(env.ctx.path("absent.csv")).value(0).left(30);
    vus += lancer("");
    vus += etat();
    EXPECT_EQ(vus, QStringList({MiseAJourListe::MessageChoisieNonValide, "Impossible de lire le fichier ", "Rev002",
                                "<absent>"}));
    srv.servir("/Vitralog/Liste_DCF.csv", ServeurLocal::reponse(200, liste("Rev 000 du 01/01/12", 20)));
    EXPECT_EQ(lancer(), QStringList{Derniere + "Rev 000 du 01/01/12)"});
    EXPECT_EQ(lancer(env.ctx.path("rev003.csv")), QStringList{MisAJour + "Rev 003 du 10/09/15"});
    srv.servir("/Vitralog/Liste_DCF.csv", ServeurLocal::reponse(200, Rev003));
    EXPECT_EQ(lancer(), QStringList{Derniere + "Rev 003 du 10/09/15)"});

    env.writeFile("Liste_DCF.csv", Rev002);
    env.station("F6ABC");
    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 003 du 10/09/15"});
    EXPECT_EQ(etat(), QStringList({"Rev003", "Rev 003 du 10/09/15"}));  // nothing left of the longer list

    // Each request to the list path, past any cache, with the old user agent.
    ASSERT_EQ(srv.requetes.size(), 3);
    for (const QByteArray& r : srv.requetes)
        EXPECT_TRUE(r.startsWith("GET /Vitralog/Liste_DCF.csv HTTP/1.1\r\n") &&
                    r.contains("\r\nUser-Agent: VB OpenUrl\r\n") && r.contains("\r\nCache-Control: no-cache\r\n") &&
                    r.contains("\r\nPragma: no-cache\r\n"))
            << r.constData();
}

// Whatever goes wrong, the operator gets one message saying why and nothing
// else happens: the old list stays byte for byte and the stored revision,
// here not the one of the list on disk, is left alone.
TEST_F(Maj, EachFailureStopsAfterItsMessage) {
    const auto Fermer = ServeurLocal::Fin::Fermer, Bloquer = ServeurLocal::Fin::Bloquer;
    const QString &NonValide = MiseAJourListe::MessageNonValide, &PasDAcces = MiseAJourListe::MessagePasDAcces;
    const QByteArray Coupee =
        ServeurLocal::reponse(200, Rev003.left(200), "text/plain", Rev003.size());  // announced longer
    const struct {
        const char* nom;
        QByteArray reponse;
        ServeurLocal::Fin fin;
        QString message;
        std::function<void()> avant = {};
    } cas[] = {
        {"ServerErrorWithAListBody", ServeurLocal::reponse(500, Rev003), Fermer, NonValide},
        {"ListMarkedAsHtml", ServeurLocal::reponse(200, Rev003, "Text/HTML; charset=utf-8"), Fermer, NonValide},
        {"NineteenReferences", ServeurLocal::reponse(200, liste("Rev 003 du 10/09/15", 19)), Fermer, NonValide},
        {"CutTransfer", Coupee, Fermer, NonValide},
        {"StalledInTheBody", Coupee, Bloquer, NonValide},
        {"LargerThan5MB", ServeurLocal::reponse(200, liste("Rev 009 du 01/01/20", 160000)), Fermer, NonValide},
        {"StalledServer", "", Bloquer, PasDAcces},
        {"Unreachable", "", Fermer, PasDAcces, [this] { serveur("http://127.0.0.1:1"); }},
        {"NotAnHttpAddress", "", Fermer, PasDAcces, [this] { serveur("file:///etc"); }},
        {"CancelledByTheOperator", Coupee, Bloquer, MiseAJourListe::MessageAnnule, [this] { annuler(); }},
        {"ReadOnlyList", ServeurLocal::reponse(200, Rev003), Fermer,
         "Impossible d'écrire le fichier " + env.dir.path() +
             "/Liste_DCF.csv (fichier en lecture seule), l'ancienne liste est conservée",
         [this] { QFile::setPermissions(env.ctx.path("Liste_DCF.csv"), QFile::ReadOwner | QFile::ReadGroup); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        env.writeFile("Liste_DCF.csv", Rev002);
        env.ctx.writeStation(Reglages::RevisionListe, "Rev 001 du 01/01/15");
        http = QtHttpClient{1500};
        serveur(srv.base());
        srv.servir("/Vitralog/Liste_DCF.csv", c.reponse, c.fin);
        if (c.avant) c.avant();
        EXPECT_EQ(lancer(), QStringList{c.message});
        EXPECT_EQ(etat(), QStringList({"Rev002", "Rev 001 du 01/01/15"}));
    }
}

}  // namespace
