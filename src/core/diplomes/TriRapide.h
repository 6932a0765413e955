#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <unordered_map>

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"

// The speed tricks behind the award lists and the log's buffers, apart from
// what the lists mean (Rapports). Each fast function has its plain version
// beside it, which says what is computed; the tests hold the two together on
// random logs. At 99,999 QSOs the plain versions take several times longer.
namespace TriRapide {

// An uninitialised buffer, backed by 2 MB pages where Linux allows: page
// faults on 11 MB of fresh memory cost more than the work done in it.
QByteArray grandTampon(qsizetype taille);

// ---- Entries: fixed-width rows of Windows-1252 bytes cut from log lines ----

// One piece of an entry: blanks, then a field of the stored line at its
// column, padded when a short line ends inside it.
struct Piece {
    int blancs;
    LigneQso::Champ champ;
    constexpr int colonne() const { return LigneQso::position(champ).stockee; }
    constexpr int largeur() const { return LigneQso::largeur(champ); }
};

template <size_t N>
constexpr int largeurEntree(const Piece (&pieces)[N]) {
    int n = 0;
    for (const Piece& p : pieces) n += p.blancs + p.largeur();
    return n;
}

// Writes the entry of line l at d; returns the end of it.
template <size_t N>
char* ecrireEntree(char* d, QByteArrayView l, const Piece (&pieces)[N]) {
    for (const Piece& p : pieces) {
        std::memset(d, ' ', size_t(p.blancs));
        d += p.blancs;
        const QByteArrayView v = LigneQso::champ(l, p.champ);
        if (!v.isEmpty()) std::memcpy(d, v.data(), size_t(v.size()));
        std::memset(d + v.size(), ' ', size_t(p.largeur() - v.size()));
        d += p.largeur();
    }
    return d;
}

// ---- Sorting ----

// Entries in ascending byte order. The first `debut` bytes must be the same
// in every entry, and an entry at least debut + 16 bytes wide.
QByteArray trier(const QByteArray& entrees, int largeur, int debut);
// The plain version: std::sort of the entries.
QByteArray trierSimplement(const QByteArray& entrees, int largeur);

// ---- One entry per key ----

// The plain version: of sorted entries, the first of each run whose bytes
// [debutCle, debutCle + largeurCle) are the same.
QByteArray premierParCle(const QByteArray& triees, int largeur, int debutCle, int largeurCle);

// What premierParCle(trierSimplement(entries of every line)) keeps, unsorted,
// without sorting every line. The key is the first piece's field, the blanks
// after it and the first `suite` bytes of the second piece's field. Sorted
// entries of one key stand together, the smallest first, so keeping the
// smallest of each key in a hash table leaves the same list and a few
// thousand entries to sort. A whole line is compared with the kept entry
// field by field; only a kept entry, or a short line's, is written out.
template <const auto& pieces, int suite>
QByteArray plusPetitParCle(const Carnet& log) {
    constexpr size_t n = std::size(pieces);
    constexpr int largeur = largeurEntree(pieces);
    constexpr int debut = pieces[0].blancs;
    static_assert(n >= 2 && pieces[0].largeur() <= 8 && suite <= 8 && suite <= pieces[1].largeur(),
                  "the key fits in two 8-byte words");
    // Where each piece's field starts in the entry.
    static constexpr std::array<int, n> position = [] {
        std::array<int, n> pos{};
        int d = 0;
        for (size_t j = 0; j < n; ++j) {
            pos[j] = d + pieces[j].blancs;
            d = pos[j] + pieces[j].largeur();
        }
        return pos;
    }();
    const auto comparer = [](const char* ligne, const char* entree) {
        for (size_t j = 1; j < n; ++j)
            if (const int r =
                    std::memcmp(ligne + pieces[j].colonne(), entree + position[j], size_t(pieces[j].largeur())))
                return r;
        return 0;
    };
    struct Cle {
        quint64 premier = 0, second = 0;
        bool operator==(const Cle&) const = default;
    };
    struct Hache {
        size_t operator()(const Cle& c) const {
            return size_t((c.premier ^ (c.second << 48)) * 0x9E3779B97F4A7C15ull >> 20);
        }
    };
    std::unordered_map<Cle, qsizetype, Hache> place;  // key -> offset of its entry in gardees
    // Rehashing as a big log's keys arrive costs more than the table's room.
    place.reserve(size_t(std::min<qsizetype>(log.nombre(), 1 << 15)));
    QByteArray gardees;
    char courte[largeur];
    for (qsizetype i = 0; i < log.nombre(); ++i) {
        const QByteArrayView l = log.ligne(i);
        const bool entiere = l.size() >= LigneQso::Longueur;
        if (!entiere) ecrireEntree(courte, l, pieces);
        Cle k;
        std::memcpy(&k.premier, entiere ? l.data() + pieces[0].colonne() : courte + position[0],
                    size_t(pieces[0].largeur()));
        std::memcpy(&k.second, entiere ? l.data() + pieces[1].colonne() : courte + position[1], size_t(suite));
        const auto [it, neuf] = place.try_emplace(k, gardees.size());
        if (neuf) {
            gardees.resize(gardees.size() + largeur);
        } else {
            const char* gardee = gardees.constData() + it->second;
            const int r = entiere ? comparer(l.data(), gardee)
                                  : std::memcmp(courte + debut, gardee + debut, size_t(largeur - debut));
            if (r >= 0) continue;
        }
        char* d = gardees.data() + it->second;
        if (entiere)
            ecrireEntree(d, l, pieces);
        else
            std::memcpy(d, courte, size_t(largeur));
    }
    return gardees;
}

}  // namespace TriRapide
