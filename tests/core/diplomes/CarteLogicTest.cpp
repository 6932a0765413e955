#include <gtest/gtest.h>
#include <tuple>

#include "core/diplomes/CarteLogic.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

using namespace CarteLogic;

namespace {

QString qso(const QString& dpt, bool qsl = false) {
    return ligne("F6ABC", dpt, "JEAN", "DCF-001", "01/02/24", "10:00", "SSB", "14 Mhz", "NOTRE-DAME", qsl);
}

Carte colorier(const QStringList& lignes) {
    Carnet c;
    c.charger(TextFile::joinLines(lignes));
    return CarteLogic::colorier(c);
}

}  // namespace

// Accented letters and superscripts are not codes; a field longer than its
// two characters never reaches past the boxes.
TEST(CarteLogic, FieldToBox) {
    const std::pair<QByteArray, int> cas[] = {
        {"01", 1},  {" 5", 5},  {"99", 99}, {"00", 0},   {"2A", 96},    {"2b", 97},
        {"2c", -1}, {"  ", -1}, {"a1", -1}, {"\t5", -1}, {"\2625", -1}, {"123", -1},
    };
    for (const auto& [dpt, box] : cas) EXPECT_EQ(caseDepartement(dpt), box) << dpt.constData();
}

TEST(CarteLogic, ColoursAndCounts) {
    // The boxes named, then the count contacted and confirmed and the text of those not contacted.
    struct Cas {
        QStringList log;
        std::map<int, Etat> etats;
        const char* compte;
    } cas[] = {
        {{}, {{75, Etat::NonContacte}}, "0 0  96 Dpt non contactés"},
        // A confirmed box never turns back, whichever comes first.
        {{qso("75"), qso("75", true), qso("29", true), qso("29"), qso("2B"), qso("13")},
         {{75, Etat::Confirme}, {29, Etat::Confirme}, {97, Etat::Contacte}, {13, Etat::Contacte}},
         "4 2  92 Dpt non contactés"},
        // Skipped fields; a line cut inside the field still names it; "00" colours box 0, never counted.
        {{qso("2c", true), "", "F6ABC", "F6ABC        4", qso("00", true)},
         {{4, Etat::Contacte}, {0, Etat::Confirme}},
         "1 0  95 Dpt non contactés"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.compte);
        const Carte carte = colorier(c.log);
        for (const auto& [box, etat] : c.etats) EXPECT_EQ(carte.etats[box], etat) << box;
        EXPECT_EQ(carte.confirmes + carte.nonConfirmes, carte.total);
        EXPECT_EQ(QString("%1 %2 %3")
                      .arg(carte.total)
                      .arg(carte.confirmes)
                      .arg(texteNonContactes(carte.nonConfirmes, carte.confirmes)),
                  QString::fromUtf8(c.compte));
    }
    EXPECT_EQ(texteConfirmes(2), QStringLiteral(" 2 Dpt confirmés"));

    // Every département plus 20, 98 and 99: more contacted than drawn.
    QStringList log;
    for (int i = 1; i < NbCases; ++i) log << qso(QString::number(i), i % 2 == 0);
    const Carte tout = colorier(log);
    EXPECT_EQ(tout.total, 99);
    EXPECT_EQ(texteNonContactes(tout.nonConfirmes, tout.confirmes), QStringLiteral("-3 Dpt non contactés"));
}

TEST(CarteLogic, BoxTextsAndMapIds) {
    const std::tuple<int, const char*, const char*> cas[] = {
        {0, "00", ""}, {7, "07", "07"}, {20, "X", ""}, {96, "2a", "2A"}, {97, "2b", "2B"}};
    for (const auto& [i, texte, id] : cas)
        EXPECT_EQ(QStringList({texteCase(i), idSvg(i)}), QStringList({texte, id})) << i;
    int visibles = 0;
    for (int i = 0; i < NbCases; ++i) visibles += caseVisible(i);
    EXPECT_EQ(visibles, NbDepartements);
}
