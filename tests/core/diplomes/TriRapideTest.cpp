#include <gtest/gtest.h>
#include <random>

#include "core/diplomes/TriRapide.h"
#include "core/journal/Carnet.h"

using LigneQso::Champ;
using TriRapide::Piece;

namespace {

// The contacted list's shape (key: reference and two callsign bytes), and
// another whose key is a short field and five bytes of a long one.
constexpr Piece kContactes[] = {{6, Champ::Reference}, {1, Champ::Indicatif}, {2, Champ::Departement},
                                {1, Champ::Prenom},    {1, Champ::Date},      {2, Champ::Heure},
                                {2, Champ::Mode},      {2, Champ::Bande},     {2, Champ::RstRecu},
                                {2, Champ::RstEnvoye}, {2, Champ::Nom},       {2, Champ::Qsl}};
constexpr Piece kAutre[] = {{3, Champ::Departement}, {2, Champ::Nom}, {1, Champ::Qsl}, {0, Champ::Indicatif}};

// A log where keys meet again and again: few references, callsign starts and
// field values, bytes past 0x7F, short and empty lines, lines repeated or
// nearly.
QByteArray logAuHasard(std::mt19937& hasard) {
    const auto tirer = [&hasard](int n) { return int(hasard() % unsigned(n)); };
    static const char alphabet[] = {' ', 'A', 'B', '0', '\x80', '\xC9', '\xE9', '\xFF'};
    const auto champ = [&](int largeur, int valeurs) {
        QByteArray v;
        for (int i = 0; i < largeur; ++i) v += alphabet[tirer(valeurs)];
        return v;
    };
    static const QByteArray references[] = {"DCF-001 ", "DBF-002B", "DCF-\xC9\x80\xFF "};
    // Few values everywhere in some logs: entries then tie far into their bytes.
    const int valeurs = 2 + tirer(7);
    QList<QByteArray> lignes;
    const int n = tirer(4) == 0 ? tirer(5) : tirer(300);
    for (int i = 0; i < n; ++i) {
        // An earlier line again, as it was or with one byte changed: entries
        // that differ only far in, even in their last byte.
        if (!lignes.isEmpty() && tirer(3) == 0) {
            QByteArray l = lignes[tirer(int(lignes.size()))];
            if (!l.isEmpty() && tirer(3) != 0) l[tirer(int(l.size()))] = alphabet[tirer(valeurs)];
            lignes << l;
            continue;
        }
        QByteArray l = champ(LigneQso::Longueur, valeurs);
        l.replace(LigneQso::position(Champ::Reference).stockee, 8, references[tirer(3)]);
        l.replace(0, 2, champ(2, 2));
        l.replace(LigneQso::position(Champ::Departement).stockee, 2, champ(2, 3));
        l.replace(LigneQso::position(Champ::Nom).stockee, 5, champ(5, 2));
        if (tirer(8) == 0) l.truncate(tirer(LigneQso::Longueur));
        lignes << l;
    }
    return lignes.join("\r\n");
}

template <size_t N>
QByteArray entreesDe(const Carnet& log, const Piece (&pieces)[N]) {
    QByteArray out(log.nombre() * TriRapide::largeurEntree(pieces), Qt::Uninitialized);
    char* d = out.data();
    for (qsizetype i = 0; i < log.nombre(); ++i) d = TriRapide::ecrireEntree(d, log.ligne(i), pieces);
    return out;
}

// The fast sort and the fast filter give the plain versions' bytes.
template <const auto& pieces, int suite>
void comparer(const Carnet& log) {
    constexpr int largeur = TriRapide::largeurEntree(pieces), debut = pieces[0].blancs;
    const QByteArray entrees = entreesDe(log, pieces);
    const QByteArray triees = TriRapide::trierSimplement(entrees, largeur);
    ASSERT_EQ(TriRapide::trier(entrees, largeur, debut).toStdString(), triees.toStdString());
    const int largeurCle = pieces[0].largeur() + pieces[1].blancs + suite;
    EXPECT_EQ(TriRapide::trier(TriRapide::plusPetitParCle<pieces, suite>(log), largeur, debut).toStdString(),
              TriRapide::premierParCle(triees, largeur, debut, largeurCle).toStdString());
}

}  // namespace

TEST(TriRapide, FastSortAndFilterGiveThePlainVersionsBytesOnRandomLogs) {
    const unsigned graine = std::random_device{}();
    std::mt19937 hasard(graine);
    int avecDoublons = 0;
    for (int essai = 0; essai < 300; ++essai) {
        SCOPED_TRACE(testing::Message() << "graine " << graine << ", log " << essai);
        Carnet log;
        log.charger(logAuHasard(hasard));
        comparer<kContactes, 2>(log);
        comparer<kAutre, 5>(log);
        if (HasFatalFailure() || HasNonfatalFailure()) return;
        const QByteArray gardees = TriRapide::plusPetitParCle<kContactes, 2>(log);
        avecDoublons += gardees.size() < log.nombre() * TriRapide::largeurEntree(kContactes);
    }
    EXPECT_GT(avecDoublons, 150);  // most logs repeat keys, so the filter had work to do
}
