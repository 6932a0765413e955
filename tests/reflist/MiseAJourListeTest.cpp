#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "app/SettingsKeys.h"
#include "platform/HttpClient.h"
#include "reflist/MiseAJourListe.h"
#include "reflist/ServeurLocal.h"
#include "support/Doubles.h"

namespace {

const QString MisAJour = QStringLiteral("La liste des Cathédrales à été mise à jour ");
const QString Derniere = QStringLiteral("La liste des Cathédrales est à la derniere révision   (");

// Windows-1252 list, CR LF: "é" is the byte 0xE9.
QByteArray liste(const QByteArray& revision, int lignes) {
    QByteArray b = revision + ";;;;\r\n";
    for (int i = 1; i <= lignes; ++i)
        b += "DCF-" + QByteArray::number(i).rightJustified(3, '0') + ";Bourges;18;Saint-\xE9tienne;\r\n";
    return b;
}

const QByteArray Rev002 = liste("Rev 002 du 01/03/15", 40);
const QByteArray Rev003 = liste("Rev 003 du 10/09/15", 12);  // shorter than Rev002

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
    QStringList lancer() {
        env.dialogs.notices.clear();
        ListeDcf::Mnu_Maj_DCF_Click(env.ctx);
        return env.dialogs.notices;
    }
    QString stockee() { return env.ctx.readStation(Keys::RevisionListe, "<absent>"); }
};

TEST_F(Maj, NewerListReplacesTheOldOneAndIsThenReportedCurrent) {
    env.writeFile("Liste_DCF.csv", Rev002);
    env.ctx.writeStation(Keys::RevisionListe, "Rev 002 du 01/03/15");
    servir(ServeurLocal::reponse(200, Rev003));

    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 003 du 10/09/15"});
    EXPECT_EQ(env.readFile("Liste_DCF.csv"), Rev003);  // nothing left of the longer list
    EXPECT_EQ(stockee(), "Rev 003 du 10/09/15");
    EXPECT_FALSE(QFile::exists(env.ctx.path("Temporaire.txt")));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    EXPECT_EQ(lancer(), QStringList{Derniere + "Rev 003 du 10/09/15)"});
    EXPECT_EQ(env.readFile("Liste_DCF.csv"), Rev003);

    // Every request went to the list path, past any cache, with the old user agent.
    ASSERT_EQ(srv.requetes.size(), 2);
    for (const QByteArray& req : srv.requetes) {
        EXPECT_TRUE(req.startsWith("GET /Vitralog/Liste_DCF.csv HTTP/1.1\r\n")) << req.constData();
        EXPECT_TRUE(req.contains("\r\nUser-Agent: VB OpenUrl\r\n")) << req.constData();
        EXPECT_TRUE(req.contains("\r\nCache-Control: no-cache\r\n")) << req.constData();
        EXPECT_TRUE(req.contains("\r\nPragma: no-cache\r\n")) << req.constData();
    }
}

TEST_F(Maj, RevisionsAreKeptPerStationAndDefaultToRev000) {
    servir(ServeurLocal::reponse(200, liste("Rev 000 du 01/01/12", 3)));
    EXPECT_EQ(lancer(), QStringList{Derniere + "Rev 000 du 01/01/12)"});

    servir(ServeurLocal::reponse(200, Rev003));
    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 003 du 10/09/15"});

    env.station("F6ABC");  // never updated: compares with Rev 000
    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 003 du 10/09/15"});
    EXPECT_EQ(lancer(), QStringList{Derniere + "Rev 003 du 10/09/15)"});

    servir(ServeurLocal::reponse(200, liste("Rev 004 du 01/01/16", 3)));
    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 004 du 01/01/16"});
    env.station("F5XYZ");
    EXPECT_EQ(stockee(), "Rev 003 du 10/09/15");
    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 004 du 01/01/16"});
}

// Whatever goes wrong, the old list stays byte for byte and the operator is
// told why; the revision comparison still runs on the list on disk.
struct Cas {
    const char* nom;
    std::function<void(Maj&)> preparer;
    QString message;
    bool debutSeulement = false;  // the message goes on with a path and a reason
};

void PrintTo(const Cas& c, std::ostream* os) { *os << c.nom; }

struct MajRefusee : Maj, ::testing::WithParamInterface<Cas> {};

const QByteArray Csv = "text/plain; charset=windows-1252";

QString portFerme() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return QStringLiteral("http://127.0.0.1:") + QString::number(s.serverPort());
}

TEST_P(MajRefusee, KeepsTheOldList) {
    env.writeFile("Liste_DCF.csv", Rev002);
    env.ctx.writeStation(Keys::RevisionListe, "Rev 002 du 01/03/15");
    GetParam().preparer(*this);

    const QStringList vus = lancer();
    ASSERT_EQ(vus.size(), 2) << vus.join('|').toStdString();
    if (GetParam().debutSeulement)
        EXPECT_TRUE(vus[0].startsWith(GetParam().message)) << vus[0].toStdString();
    else
        EXPECT_EQ(vus[0], GetParam().message);
    EXPECT_EQ(vus[1], Derniere + "Rev 002 du 01/03/15)");
    EXPECT_EQ(env.readFile("Liste_DCF.csv"), Rev002);
    EXPECT_EQ(stockee(), "Rev 002 du 01/03/15");
    if (!GetParam().debutSeulement) {
        EXPECT_FALSE(QFile::exists(env.ctx.path("Temporaire.txt")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Echecs, MajRefusee,
    ::testing::Values(
        Cas{"NotFound",
            [](Maj& t) { t.servir(ServeurLocal::reponse(404, "<html><body>Introuvable</body></html>", "text/html")); },
            ListeDcf::MessageNonValide},
        Cas{"ServerErrorWithAListShapedBody",
            [](Maj& t) { t.servir(ServeurLocal::reponse(500, Rev003)); }, ListeDcf::MessageNonValide},
        Cas{"HtmlPage",
            [](Maj& t) {
                t.servir(ServeurLocal::reponse(
                    200, "<!DOCTYPE html>\r\n<html><body>Maintenance; revenez; plus; tard</body></html>\r\n",
                    "text/html"));
            },
            ListeDcf::MessageNonValide},
        Cas{"CutTransfer",
            [](Maj& t) { t.servir(ServeurLocal::reponse(200, Rev003.left(200), Csv, Rev003.size())); },
            ListeDcf::MessageNonValide},
        Cas{"StalledInTheBody",
            [](Maj& t) {
                t.servir(ServeurLocal::reponse(200, Rev003.left(200), Csv, Rev003.size()),
                         ServeurLocal::Fin::Bloquer);
            },
            ListeDcf::MessageNonValide},
        Cas{"LargerThan5MB",
            [](Maj& t) { t.servir(ServeurLocal::reponse(200, liste("Rev 009 du 01/01/20", 160000))); },
            ListeDcf::MessageNonValide},
        Cas{"EmptyBody", [](Maj& t) { t.servir(ServeurLocal::reponse(200, "")); },
            ListeDcf::MessagePasDAcces},
        Cas{"StalledServer", [](Maj& t) { t.servir("", ServeurLocal::Fin::Bloquer); },
            ListeDcf::MessagePasDAcces},
        Cas{"Unreachable",
            [](Maj& t) { t.env.settings->write(Keys::App, Keys::Global, Keys::ServeurListe, portFerme()); },
            ListeDcf::MessagePasDAcces},
        Cas{"NotAnHttpAddress",
            [](Maj& t) {
                t.env.settings->write(Keys::App, Keys::Global, Keys::ServeurListe, "file:///etc");
            },
            ListeDcf::MessagePasDAcces},
        Cas{"TemporaryFileCannotBeWritten",
            [](Maj& t) {
                t.servir(ServeurLocal::reponse(200, Rev003));
                QDir(t.env.dir.path()).mkdir("Temporaire.txt");
            },
            "Impossible d'écrire le fichier ", true}),
    [](const ::testing::TestParamInfo<Cas>& i) { return std::string(i.param.nom); });

TEST_F(Maj, NoListAndNoDownloadStoresAnEmptyRevision) {
    servir(ServeurLocal::reponse(200, ""));
    EXPECT_EQ(lancer(), (QStringList{ListeDcf::MessagePasDAcces, MisAJour}));
    EXPECT_FALSE(QFile::exists(env.ctx.path("Liste_DCF.csv")));
    EXPECT_EQ(stockee(), "");

    servir(ServeurLocal::reponse(200, Rev003));  // the next download counts as an update
    EXPECT_EQ(lancer(), QStringList{MisAJour + "Rev 003 du 10/09/15"});
}

}  // namespace
