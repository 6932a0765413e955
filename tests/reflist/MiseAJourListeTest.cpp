#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "core/Reglages.h"
#include "core/liste/ListeReference.h"
#include "platform/HttpClient.h"
#include "ui/MiseAJourListe.h"
#include "reflist/ServeurLocal.h"
#include "support/Doubles.h"

namespace {

const QString MisAJour = QStringLiteral("La liste des Cathédrales à été mise à jour ");
const QString Derniere = QStringLiteral("La liste des Cathédrales est à la derniere révision   (");

// Windows-1252 list, CR LF: "é" is the byte 0xE9. Basilicas after the cathedrals.
QByteArray liste(const QByteArray& revision, int lignes, const QByteArray& intruse = {}) {
    QByteArray b = revision + ";;;;\r\n";
    for (int i = 1; i <= lignes; ++i) {
        const QByteArray n = QByteArray::number(i).rightJustified(3, '0');
        b += (i % 4 ? "DCF-" + n : "DBF-" + n + "B") + ";Bourges;18;Saint-\xE9tienne;\r\n";
        if (i == 10) b += intruse;
    }
    return b;
}

const QByteArray Rev002 = liste("Rev 002 du 01/03/15", 40);
const QByteArray Rev003 = liste("Rev 003 du 10/09/15", 25);  // shorter than Rev002

TEST(ListeReference, OnlyAWholeListIsAccepted) {
    const QByteArray r = "Rev 012 du 03/05/21";
    const std::pair<QByteArray, bool> cas[] = {
        {liste(r, 20), true},
        {QByteArray(liste(r, 20)).replace("\r\n", "\n").replace(";;;;\n", "\n"), true},  // LF, nothing after the revision
        {liste(r, 20, "Mise a jour par F6XYZ\r\n"), true},  // an odd line the lookup passes over
        {liste(r, 19), false},
        {liste(r, 19, "DCF-999;Albi;81;Sainte-Cecile\r\n"), false},  // a reference line with three ";"
        {liste("DCF-000;x;00;x;", 30), false},                       // no revision
        {liste("Rev 012 du 31/02/21", 30), false},
        {liste("Rev 12 du 03/05/21 ", 30), false},
        {"<html>a;b;c;d;e\r\n" + liste(r, 30), false},
        {liste(r, 30, QByteArray("DCF-998;Vannes;56;\0;\r\n", 22)), false},
        {{}, false},
    };
    for (const auto& [octets, accepte] : cas) EXPECT_EQ(ListeReference::estUneListe(octets), accepte) << octets.left(60).constData();
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
        env.settings->write(Keys::App, Keys::Global, Keys::ServeurListe, srv.base());
    }
    void servir(const QByteArray& octets, ServeurLocal::Fin fin = ServeurLocal::Fin::Fermer) {
        srv.servir("/Vitralog/Liste_DCF.csv", octets, fin);
    }
    // The download, or with a path the import from that file.
    QStringList lancer(const QString* chemin = nullptr) {
        env.dialogs.notices.clear();
        if (chemin) ListeDcf::Mnu_Import_DCF_Click(env.ctx, [&] { return *chemin; });
        else ListeDcf::Mnu_Maj_DCF_Click(env.ctx);
        return env.dialogs.notices;
    }
    QStringList importer(const QString& chemin) { return lancer(&chemin); }
    QString stockee() { return env.ctx.readStation(Keys::RevisionListe, "<absent>"); }
};

// A station never updated compares with Rev 000; a newer revision replaces
// the whole list and is stored for the station alone.
TEST_F(Maj, ANewerRevisionReplacesTheListOncePerStation) {
    servir(ServeurLocal::reponse(200, liste("Rev 000 du 01/01/12", 20)));
    EXPECT_EQ(lancer(), QStringList{Derniere + "Rev 000 du 01/01/12)"});

    env.writeFile("Liste_DCF.csv", Rev002);
    servir(ServeurLocal::reponse(200, Rev003));
    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 003 du 10/09/15"});
    EXPECT_EQ(env.readFile("Liste_DCF.csv"), Rev003);  // nothing left of the longer list
    EXPECT_EQ(QDir(env.dir.path()).entryList({"Temporaire*"}), QStringList{});
    EXPECT_EQ(lancer(), QStringList{Derniere + "Rev 003 du 10/09/15)"});

    env.station("F6ABC");
    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 003 du 10/09/15"});
    servir(ServeurLocal::reponse(200, liste("Rev 004 du 01/01/16", 20)));
    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 004 du 01/01/16"});
    env.station("F5XYZ");
    EXPECT_EQ(stockee(), "Rev 003 du 10/09/15");

    // Every request went to the list path, past any cache, with the old user agent.
    ASSERT_EQ(srv.requetes.size(), 5);
    for (const QByteArray& req : srv.requetes)
        EXPECT_TRUE(req.startsWith("GET /Vitralog/Liste_DCF.csv HTTP/1.1\r\n") && req.contains("\r\nUser-Agent: VB OpenUrl\r\n") &&
                    req.contains("\r\nCache-Control: no-cache\r\n") && req.contains("\r\nPragma: no-cache\r\n")) << req.constData();
}

// Whatever goes wrong, the operator gets one message saying why and nothing
// else happens: the old list stays byte for byte and the stored revision,
// here not the one of the list on disk, is left alone.
struct Cas {
    const char* nom;
    QByteArray reponse;
    ServeurLocal::Fin fin;
    QString message;
    std::function<void(Maj&)> avant = {};
};

struct MajRefusee : Maj, ::testing::WithParamInterface<Cas> {};

const auto Fermer = ServeurLocal::Fin::Fermer, Bloquer = ServeurLocal::Fin::Bloquer;
const QString &NonValide = ListeDcf::MessageNonValide, &PasDAcces = ListeDcf::MessagePasDAcces;
// The start of a body announced longer.
const QByteArray Coupee = ServeurLocal::reponse(200, Rev003.left(200), "text/plain", Rev003.size());

void serveur(Maj& t, const QString& adresse) {
    t.env.settings->write(Keys::App, Keys::Global, Keys::ServeurListe, adresse);
}

// Clicks "Annuler" or presses Escape once the progress dialog shows, as the operator would.
void annuler(Maj& t, bool parEchap) {
    t.http = QtHttpClient{20000};  // the click, not the time limit, ends it
    auto* guet = new QTimer;
    QObject::connect(guet, &QTimer::timeout, guet, [guet, parEchap] {
        auto* d = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible() || d->objectName() != "Progression_Liste") return;
        QPushButton* b = d->findChild<QPushButton*>();
        EXPECT_EQ(d->labelText() + "|" + b->text(), "Téléchargement de la liste DCF…|Annuler");
        if (parEchap) QTest::keyClick(d, Qt::Key_Escape);
        else QTest::mouseClick(b, Qt::LeftButton);
        guet->deleteLater();
    });
    guet->start(20);
}

TEST_P(MajRefusee, StopsAfterItsMessage) {
    env.writeFile("Liste_DCF.csv", Rev002);
    env.ctx.writeStation(Keys::RevisionListe, "Rev 001 du 01/01/15");
    servir(GetParam().reponse, GetParam().fin);
    if (GetParam().avant) GetParam().avant(*this);
    EXPECT_EQ(lancer(), QStringList{QString(GetParam().message).replace("<dossier>", env.dir.path())});
    EXPECT_EQ(env.readFile("Liste_DCF.csv"), Rev002);
    EXPECT_EQ(stockee(), "Rev 001 du 01/01/15");
    EXPECT_EQ(QDir(env.dir.path()).entryList({"Temporaire*"}), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Echecs, MajRefusee,
    ::testing::Values(
        Cas{"NotFound", ServeurLocal::reponse(404, "<html>Introuvable</html>", "text/html"), Fermer, NonValide},
        Cas{"ServerErrorWithAListBody", ServeurLocal::reponse(500, Rev003), Fermer, NonValide},
        Cas{"ListMarkedAsHtml", ServeurLocal::reponse(200, Rev003, "Text/HTML; charset=utf-8"), Fermer, NonValide},
        Cas{"NineteenReferences", ServeurLocal::reponse(200, liste("Rev 003 du 10/09/15", 19)), Fermer, NonValide},
        Cas{"CutTransfer", Coupee, Fermer, NonValide},
        Cas{"StalledInTheBody", Coupee, Bloquer, NonValide},
        Cas{"LargerThan5MB", ServeurLocal::reponse(200, liste("Rev 009 du 01/01/20", 160000)), Fermer, NonValide},
        Cas{"EmptyBody", ServeurLocal::reponse(200, ""), Fermer, PasDAcces},
        Cas{"StalledServer", "", Bloquer, PasDAcces},
        Cas{"Unreachable", "", Fermer, PasDAcces, [](Maj& t) { serveur(t, "http://127.0.0.1:1"); }},
        Cas{"NotAnHttpAddress", "", Fermer, PasDAcces, [](Maj& t) { serveur(t, "file:///etc"); }},
        Cas{"CancelledByTheOperator", Coupee, Bloquer, ListeDcf::MessageAnnule, [](Maj& t) { annuler(t, false); }},
        Cas{"EscapeCancelsToo", "", Bloquer, ListeDcf::MessageAnnule, [](Maj& t) { annuler(t, true); }},
        Cas{"ReadOnlyList", ServeurLocal::reponse(200, Rev003), Fermer,
            "Impossible d'écrire le fichier <dossier>/Liste_DCF.csv (fichier en lecture seule), l'ancienne liste est conservée",
            [](Maj& t) { QFile::setPermissions(t.env.ctx.path("Liste_DCF.csv"), QFile::ReadOwner | QFile::ReadGroup); }}),
    [](const ::testing::TestParamInfo<Cas>& i) { return std::string(i.param.nom); });

TEST_F(Maj, ImportFromAFileIsCheckedThenTreatedAsADownload) {
    env.writeFile("Liste_DCF.csv", Rev002);
    env.ctx.writeStation(Keys::RevisionListe, "Rev 002 du 01/03/15");
    env.writeFile("html.csv", "<html>a;b;c;d;e</html>\r\n");
    env.writeFile("rev003.csv", Rev003);

    EXPECT_EQ(importer(env.ctx.path("html.csv")), QStringList{ListeDcf::MessageChoisieNonValide});
    EXPECT_TRUE(importer(env.ctx.path("absent.csv")).value(0).startsWith("Impossible de lire le fichier "));
    EXPECT_EQ(importer(""), QStringList{});  // the operator gave up
    EXPECT_EQ(env.readFile("Liste_DCF.csv"), Rev002);
    EXPECT_EQ(stockee(), "Rev 002 du 01/03/15");

    EXPECT_EQ(importer(env.ctx.path("rev003.csv")), QStringList{MisAJour + "Rev 003 du 10/09/15"});
    EXPECT_EQ(env.readFile("Liste_DCF.csv"), Rev003);
    EXPECT_EQ(stockee(), "Rev 003 du 10/09/15");
}

}  // namespace
