#include "core/diplomes/Progression.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

#include "core/Bandes.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"

namespace Progression {

namespace {

using LigneQso::Champ;

constexpr int SansDate = -1;                       // counts from the first month
constexpr int Jamais = INT_MAX;                    // no such QSO
constexpr int Autres = int(Bandes::Table.size());  // the slot of a band outside the table
static_assert(Autres < 16, "a reference's bands are kept in 16 bits");

// A month as a number that counts months: year * 12 + month - 1.
int numeroMois(QDate d) { return d.year() * 12 + d.month() - 1; }
QDate moisDuNumero(int n) { return QDate(n / 12, n % 12 + 1, 1); }

// The month of a line, with the century LigneQso::horodatage reads; it packs
// ((year * 13 + month) * 32 + day) * 24 * 60 + minutes.
int moisDe(QByteArrayView ligne) {
    const std::optional<qint64> t = LigneQso::horodatage(ligne);
    if (!t) return SansDate;
    const int anneeMois = int(*t / (32 * 24 * 60));
    return anneeMois / 13 * 12 + anneeMois % 13 - 1;
}

// A reference (8 bytes at most) as one number: no string per line.
quint64 cle(QByteArrayView ref) {
    quint64 k = 0;
    std::memcpy(&k, ref.data(), size_t(std::min<qsizetype>(ref.size(), sizeof k)));
    return k;
}

// The references met so far, each with its index: open addressing in a table
// kept under half full, a few hundred references looked up 99,999 times.
class Index {
public:
    // The index of a key; `nouveau` when the key was not there, which then gets it.
    int indice(quint64 k, int nouveau) {
        if (2 * (taille_ + 1) > qsizetype(cles_.size())) agrandir();
        size_t i = place(k);
        for (; indices_[i] != Libre; i = (i + 1) & masque_)
            if (cles_[i] == k) return indices_[i];
        cles_[i] = k;
        indices_[i] = nouveau;
        ++taille_;
        return nouveau;
    }

private:
    size_t place(quint64 k) const { return size_t((k * 0x9E3779B97F4A7C15ull) >> decalage_); }
    void agrandir() {
        std::vector<quint64> cles = std::move(cles_);
        std::vector<int> indices = std::move(indices_);
        const size_t n = cles.empty() ? 1024 : 2 * cles.size();
        cles_.assign(n, 0);
        indices_.assign(n, Libre);
        masque_ = n - 1;
        decalage_ = 64 - std::countr_zero(n);
        taille_ = 0;
        for (size_t i = 0; i < cles.size(); ++i)
            if (indices[i] != Libre) indice(cles[i], indices[i]);
    }
    static constexpr int Libre = -1;
    std::vector<quint64> cles_;
    std::vector<int> indices_;
    size_t masque_ = 0;
    int decalage_ = 64;
    qsizetype taille_ = 0;
};

// The band texts of the table, measured once.
struct Noms {
    std::array<QByteArrayView, Autres> textes;
    Noms() {
        for (int b = 0; b < Autres; ++b) textes[size_t(b)] = QByteArrayView(Bandes::Table[size_t(b)].texte);
    }
    int bande(QByteArrayView texte) const {
        for (int b = 0; b < Autres; ++b)
            if (texte.size() == textes[size_t(b)].size() &&
                std::memcmp(texte.data(), textes[size_t(b)].data(), size_t(texte.size())) == 0)
                return b;
        return Autres;
    }
};

struct Reference {
    int contactee = Jamais, confirmee = Jamais;  // first month of each
    quint16 bandesContactees = 0, bandesConfirmees = 0;
};

}  // namespace

Figures calculer(const Carnet& log, QDate aujourdhui) {
    const int dernier = numeroMois(aujourdhui);
    // Two-digit years read as 1950 to 2049: one counter per month of them.
    const int base = std::min(1950 * 12, dernier);
    std::vector<int> confirmesParMois(size_t(std::max(2050 * 12, dernier + 1) - base), 0);
    int confirmesSansDate = 0;
    int premier = Jamais;

    Index indices;
    std::vector<Reference> refs;
    refs.reserve(1024);
    const Noms noms;

    for (qsizetype i = 0; i < log.nombre(); ++i) {
        const QByteArrayView l = log.ligne(i);
        int mois = moisDe(l);
        if (mois != SansDate) {
            mois = std::min(mois, dernier);
            premier = std::min(premier, mois);
        }
        const bool confirmee = LigneQso::estConfirmee(l);
        if (confirmee) ++(mois == SansDate ? confirmesSansDate : confirmesParMois[size_t(mois - base)]);

        const QByteArrayView ref = LigneQso::sansBlancs(LigneQso::champ(l, Champ::Reference));
        if (ref.isEmpty()) continue;
        const int indice = indices.indice(cle(ref), int(refs.size()));
        if (indice == int(refs.size())) refs.emplace_back();
        Reference& r = refs[size_t(indice)];
        const quint16 bit = quint16(1u << noms.bande(LigneQso::sansBlancs(LigneQso::champ(l, Champ::Bande))));
        r.contactee = std::min(r.contactee, mois);
        r.bandesContactees |= bit;
        if (confirmee) {
            r.confirmee = std::min(r.confirmee, mois);
            r.bandesConfirmees |= bit;
        }
    }
    if (premier == Jamais) premier = dernier;

    Figures f;
    f.premierMois = moisDuNumero(premier);
    const qsizetype n = dernier - premier + 1;
    std::vector<int> contacteesParMois(size_t(n), 0), confirmeesParMois(size_t(n), 0);
    std::array<Bande, Autres + 1> bandes{};
    for (const Reference& r : refs) {
        ++contacteesParMois[size_t(std::max(r.contactee, premier) - premier)];
        if (r.confirmee != Jamais) ++confirmeesParMois[size_t(std::max(r.confirmee, premier) - premier)];
        for (int b = 0; b <= Autres; ++b) {
            bandes[size_t(b)].contactees += r.bandesContactees >> b & 1;
            bandes[size_t(b)].confirmees += r.bandesConfirmees >> b & 1;
        }
    }

    f.diplome.reserve(n);
    f.contactees.reserve(n);
    f.confirmees.reserve(n);
    int diplome = confirmesSansDate, contactees = 0, confirmees = 0;
    for (qsizetype m = 0; m < n; ++m) {
        diplome += confirmesParMois[size_t(premier + m - base)];
        contactees += contacteesParMois[size_t(m)];
        confirmees += confirmeesParMois[size_t(m)];
        f.diplome.append(diplome);
        f.contactees.append(contactees);
        f.confirmees.append(confirmees);
    }

    for (int b = 0; b <= Autres; ++b) {
        Bande& bande = bandes[size_t(b)];
        const bool offerte = b < Autres && Bandes::Table[size_t(b)].liste;
        if (!offerte && bande.contactees == 0) continue;
        bande.nom = b < Autres ? QString::fromLatin1(Bandes::Table[size_t(b)].texte) : QStringLiteral("Autres");
        f.bandes.append(bande);
    }
    return f;
}

QString texteMois(QDate mois) { return mois.toString(QStringLiteral("MM/yyyy")); }

QString projection(const Figures& f) {
    const QList<Rapports::Niveau>& niveaux = Rapports::niveaux();
    const qsizetype n = f.nombreMois();
    const int compte = n ? f.diplome.last() : 0;
    const auto suivant =
        std::find_if(niveaux.begin(), niveaux.end(), [compte](const Rapports::Niveau& v) { return compte < v.seuil; });
    if (suivant == niveaux.end()) return QStringLiteral("Tous les niveaux sont atteints");
    // Gained over the last 12 months; nothing stood before the first month.
    const int gain = compte - (n > 12 ? f.diplome[n - 13] : 0);
    if (gain <= 0) return {};
    const int manque = suivant->seuil - compte;
    const int mois = (manque * 12 + gain - 1) / gain;  // rounded up: the month it is reached in
    return QStringLiteral("Niveau suivant (%1) vers %2 au rythme actuel")
        .arg(suivant->mot, texteMois(f.mois(n - 1).addMonths(mois)));
}

QString libelleSeuil(const Rapports::Niveau& n) { return QStringLiteral("Niveau %1 : %2").arg(n.mot).arg(n.seuil); }

QString resume(const Figures& f) {
    return QStringLiteral("Diplome DCF : %1 QSO confirmés ; références : %2 contactées, %3 confirmées")
        .arg(f.diplome.value(f.nombreMois() - 1))
        .arg(f.contactees.value(f.nombreMois() - 1))
        .arg(f.confirmees.value(f.nombreMois() - 1));
}

QString bulleMois(const Figures& f, qsizetype i) {
    return QStringLiteral("%1\nDiplome DCF : %2 QSO confirmés\nRéférences contactées : %3\nRéférences confirmées : %4")
        .arg(texteMois(f.mois(i)))
        .arg(f.diplome.value(i))
        .arg(f.contactees.value(i))
        .arg(f.confirmees.value(i));
}

QString bulleBande(const Bande& b) {
    return QStringLiteral("%1\nRéférences contactées : %2\nRéférences confirmées : %3")
        .arg(b.nom)
        .arg(b.contactees)
        .arg(b.confirmees);
}

}  // namespace Progression
