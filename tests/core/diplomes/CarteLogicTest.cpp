#include <gtest/gtest.h>

#include "core/diplomes/CarteLogic.h"
#include "support/Doubles.h"

using namespace CarteLogic;

namespace {

QString qso(const QString& dpt, bool qsl = false) {
    return ligne("F6ABC", dpt, "JEAN", "DCF-001", "01/02/24", "10:00", "SSB", "14 Mhz",
                 "NOTRE-DAME", qsl);
}

}  // namespace

TEST(CarteLogic, FieldToBox) {
    struct Cas {
        const char* dpt;
        int box;
    } cas[] = {
        {"01", 1},  {"1", 1},   {"5 ", 5},  {" 5", 5},  {"95", 95}, {"99", 99}, {"00", 0},
        {"2a", 96}, {"2A", 96}, {"2b", 97}, {"2B", 97}, {"2c", -1}, {"2C", -1}, {"  ", -1},
        {"", -1},   {"a1", -1}, {"1a", -1}, {"-1", -1}, {"+5", -1}, {"1.", -1}, {"\t5", -1},
        {"123", -1},  // longer than the field: never past the boxes
    };
    for (const Cas& c : cas) EXPECT_EQ(caseDepartement(QString::fromUtf8(c.dpt)), c.box) << c.dpt;
    // Digits of other scripts are not the log's digits.
    EXPECT_EQ(caseDepartement(QString::fromUtf8("\u0663\u0665")), -1);
}

TEST(CarteLogic, EmptyLogCountsNothing) {
    const Carte c = colorier({});
    for (Etat e : c.etats) EXPECT_EQ(e, Etat::NonContacte);
    EXPECT_EQ(c.total, 0);
    EXPECT_EQ(texteConfirmes(c.confirmes), QStringLiteral(" 0 Dpt confirmés"));
    EXPECT_EQ(texteNonContactes(c.nonConfirmes, c.confirmes),
              QStringLiteral(" 96 Dpt non contactés"));
}

TEST(CarteLogic, ConfirmedNeverTurnsBack) {
    for (const QStringList& log : {QStringList{qso("75"), qso("75", true)},
                                   QStringList{qso("75", true), qso("75"), qso("75")}}) {
        const Carte c = colorier(log);
        EXPECT_EQ(c.etats[75], Etat::Confirme);
        EXPECT_EQ(c.total, 1);
        EXPECT_EQ(c.confirmes, 1);
        EXPECT_EQ(c.nonConfirmes, 0);
    }
}

TEST(CarteLogic, CountsOneBoxPerDepartement) {
    const Carte c = colorier({qso("29"), qso("29"), qso("2a"), qso("2A", true), qso("2B"),
                              qso("5 "), qso("05", true), qso("13")});
    EXPECT_EQ(c.etats[29], Etat::Contacte);
    EXPECT_EQ(c.etats[96], Etat::Confirme);
    EXPECT_EQ(c.etats[97], Etat::Contacte);
    EXPECT_EQ(c.etats[5], Etat::Confirme);
    EXPECT_EQ(c.etats[13], Etat::Contacte);
    EXPECT_EQ(c.total, 5);
    EXPECT_EQ(c.nonConfirmes, 3);
    EXPECT_EQ(c.confirmes, 2);
    EXPECT_EQ(texteConfirmes(c.confirmes), QStringLiteral(" 2 Dpt confirmés"));
    EXPECT_EQ(texteNonContactes(c.nonConfirmes, c.confirmes),
              QStringLiteral(" 91 Dpt non contactés"));
}

TEST(CarteLogic, SkippedAndOddLines) {
    QString sansQsl = qso("44");
    sansQsl.truncate(100);  // no QSL column: not confirmed
    QString blancQsl = qso("45");
    blancQsl[106] = QLatin1Char(' ');
    const Carte c = colorier({qso("2c", true), qso("  ", true), qso("x1", true), "", "F6ABC",
                              "F6ABC        4", sansQsl, blancQsl});
    EXPECT_EQ(c.etats[4], Etat::Contacte);  // a line cut inside the field still names it
    EXPECT_EQ(c.etats[44], Etat::Contacte);
    EXPECT_EQ(c.etats[45], Etat::Contacte);
    EXPECT_EQ(c.total, 3);
    EXPECT_EQ(c.confirmes, 0);
}

TEST(CarteLogic, HiddenBoxes) {
    // "00" colours box 0, which is never counted.
    const Carte zero = colorier({qso("00", true), qso("0 ")});
    EXPECT_EQ(zero.etats[0], Etat::Confirme);
    EXPECT_EQ(zero.total, 0);
    EXPECT_EQ(texteNonContactes(zero.nonConfirmes, zero.confirmes),
              QStringLiteral(" 96 Dpt non contactés"));

    // Every département plus 20, 98 and 99: more contacted than drawn.
    QStringList log;
    for (int i = 1; i < NbCases; ++i) log << qso(QString::number(i), i % 2 == 0);
    const Carte tout = colorier(log);
    EXPECT_EQ(tout.total, 99);
    EXPECT_EQ(tout.confirmes + tout.nonConfirmes, 99);
    EXPECT_EQ(nonContactes(tout.nonConfirmes, tout.confirmes), -3);
    EXPECT_EQ(texteNonContactes(tout.nonConfirmes, tout.confirmes),
              QStringLiteral("-3 Dpt non contactés"));
}

TEST(CarteLogic, BoxTextsAndMapIds) {
    EXPECT_EQ(texteCase(0), "00");
    EXPECT_EQ(texteCase(1), "01");
    EXPECT_EQ(texteCase(95), "95");
    EXPECT_EQ(texteCase(96), "2a");
    EXPECT_EQ(texteCase(97), "2b");
    for (int i : {20, 98, 99}) {
        EXPECT_EQ(texteCase(i), "X");
        EXPECT_FALSE(caseVisible(i));
        EXPECT_TRUE(idSvg(i).isEmpty());
    }
    EXPECT_FALSE(caseVisible(0));
    EXPECT_EQ(idSvg(96), "2A");
    EXPECT_EQ(idSvg(97), "2B");
    EXPECT_EQ(idSvg(7), "07");
    int visibles = 0;
    for (int i = 0; i < NbCases; ++i) visibles += caseVisible(i);
    EXPECT_EQ(visibles, NbDepartements);
}
