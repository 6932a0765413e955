#include "core/diplomes/Rapports.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <iterator>
#include <unordered_map>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

namespace Rapports {

namespace {

// Captions at 1-based columns, blanks elsewhere.
QString placer(std::initializer_list<std::pair<int, const char*>> titres) {
    QString out;
    for (const auto& [colonne, titre] : titres) {
        out = out.leftJustified(colonne - 1, QLatin1Char(' '));
        out += QString::fromUtf8(titre);
    }
    return out;
}

using LigneQso::Champ;
using LigneQso::estConfirmee;

// One piece of an entry: blanks, then a field of the stored line at its
// column, padded when a short line ends inside it.
struct Piece {
    int blancs;
    Champ champ;
    constexpr int colonne() const { return LigneQso::position(champ).stockee; }
    constexpr int largeur() const { return LigneQso::largeur(champ); }
};

template <size_t N>
constexpr int largeurEntree(const Piece (&pieces)[N]) {
    int n = 0;
    for (const Piece& p : pieces) n += p.blancs + p.largeur();
    return n;
}

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

// Sorts fixed-width entries in byte order. The first `debut` bytes are the
// same blanks in every entry; the next 16 are sorted by radix, one pass per
// byte that differs somewhere (linear, where a comparison sort of 33,000
// entries grew faster than the log), and entries equal in them are then
// ordered by the rest of their bytes.
Entrees trier(QByteArray brut, int largeur, int debut) {
    struct Cle {
        quint64 a, b;
        quint32 i;
    };
    const qsizetype n = largeur ? brut.size() / largeur : 0;
    const char* p = brut.constData();
    std::vector<Cle> cles(static_cast<size_t>(n)), autres(static_cast<size_t>(n));
    std::vector<std::array<quint32, 256>> compte(16, std::array<quint32, 256>{});
    auto octet = [](const Cle& c, int j) {
        return unsigned(j < 8 ? c.a >> (56 - 8 * j) : c.b >> (56 - 8 * (j - 8))) & 0xFFu;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char* e = p + i * largeur + debut;
        for (int j = 0; j < 16; ++j) ++compte[size_t(j)][static_cast<unsigned char>(e[j])];
        cles[size_t(i)] = {qFromBigEndian<quint64>(e), qFromBigEndian<quint64>(e + 8), quint32(i)};
    }
    for (int j = 15; j >= 0; --j) {
        std::array<quint32, 256>& c = compte[size_t(j)];
        if (n == 0 || std::find(c.begin(), c.end(), quint32(n)) != c.end()) continue;  // one value: no pass
        quint32 debutCase = 0;
        for (quint32& k : c) debutCase += std::exchange(k, debutCase);
        for (const Cle& k : cles) autres[c[octet(k, j)]++] = k;
        cles.swap(autres);
    }
    const auto reste = [p, largeur, debut](const Cle& x, const Cle& y) {
        return std::memcmp(p + x.i * qsizetype(largeur) + debut + 16, p + y.i * qsizetype(largeur) + debut + 16,
                           size_t(largeur - debut - 16)) < 0;
    };
    for (auto run = cles.begin(); run != cles.end();) {
        auto fin = std::find_if(run + 1, cles.end(), [&](const Cle& k) { return k.a != run->a || k.b != run->b; });
        if (fin - run > 1) std::sort(run, fin, reste);
        run = fin;
    }
    Entrees out;
    out.largeur = largeur;
    out.octets = grandTampon(brut.size());
    char* d = out.octets.data();
    for (const Cle& c : cles) {
        std::memcpy(d, p + c.i * qsizetype(largeur), size_t(largeur));
        d += largeur;
    }
    return out;
}

template <size_t N>
QByteArray brutes(const Carnet& log, const Piece (&pieces)[N], bool confirmesSeuls) {
    const int largeur = largeurEntree(pieces);
    QByteArray brut = grandTampon(log.nombre() * largeur);
    char* d = brut.data();
    for (qsizetype i = 0; i < log.nombre(); ++i) {
        const QByteArrayView l = log.ligne(i);
        if (!confirmesSeuls || estConfirmee(l)) d = ecrireEntree(d, l, pieces);
    }
    brut.truncate(d - brut.constData());
    return brut;
}

template <size_t N>
Entrees construire(const Carnet& log, const Piece (&pieces)[N], bool confirmesSeuls) {
    return trier(brutes(log, pieces, confirmesSeuls), largeurEntree(pieces), pieces[0].blancs);
}

QString numero(int n) { return QString::number(n).rightJustified(5, QLatin1Char(' ')); }

}  // namespace

const QList<Niveau>& niveaux() {
    static const QList<Niveau> table = {
        {10, QStringLiteral("de Base"),
         QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DCF de base"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DCF de base")},
        {30, QStringLiteral("Excellence"),
         QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DCF Excellence"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DCF Excellence")},
        {50, QStringLiteral("Honneur"),
         QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DCF Honneur"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DCF Honneur")},
        {100, QStringLiteral("Trophé"),
         QStringLiteral("Vous ne pouvez pas encore obtenir le trophé DCF "),
         QStringLiteral("Bravo vous pouvez obtenir le trophé DCF")},
    };
    return table;
}

QString Entrees::texte(qsizetype i) const { return TextFile::decode(octetsDe(i).toByteArray()); }

QStringList Entrees::textes() const {
    QStringList out;
    out.reserve(taille());
    for (qsizetype i = 0; i < taille(); ++i) out.append(texte(i));
    return out;
}

int compteConfirmes(const Carnet& log) {
    int n = 0;
    for (qsizetype i = 0; i < log.nombre(); ++i) n += estConfirmee(log.ligne(i));
    return n;
}

QString texteCompte(int seuil, int confirmes) {
    if (confirmes >= seuil)
        return QStringLiteral("avec les QSL des ") + QString::number(confirmes) +
               QStringLiteral(" Cathédrales confirmés");
    return QStringLiteral("il vous manque ") + QString::number(seuil - confirmes) +
           QStringLiteral(" Cathédrales confirmées");
}

QString partieDate(const QString& aujourdhui) {
    return aujourdhui.mid(0, 2) + QLatin1Char('_') + aujourdhui.mid(3, 2) + QLatin1Char('_') +
           aujourdhui.right(2);
}

QString dateImprimee(const QString& aujourdhui) {
    return aujourdhui.mid(0, 2) + QLatin1Char('/') + aujourdhui.mid(3, 2) + QLatin1Char('/') +
           aujourdhui.right(2);
}

// ---- Award list ----

const QString EnteteListeDiplome =
    placer({{5, "Ref"}, {13, "Dpt"}, {19, "Nom de la cathédrale"}, {52, "Date"}, {59, "Heure Indicatif"}});
const QString EnteteFichierDiplome =
    placer({{4, "N°"}, {10, "Ref"}, {18, "Dpt"}, {25, "Nom de la cathédrale"}, {57, "Date"},
            {65, "Heure"}, {72, "Indicatif"}});
const QString EnteteImpressionDiplome =
    placer({{8, "N°"}, {14, "Ref"}, {22, "Dpt"}, {29, "Nom de la Cathédrale"}, {61, "Date"},
            {69, "Heure"}, {76, "Indicatif"}});
const QString Credit = QStringLiteral("Liste établie par Vitralog, carnet de trafic du DCF");

Entrees entreesDiplome(const Carnet& log) {
    static constexpr Piece pieces[] = {{3, Champ::Reference}, {2, Champ::Departement}, {2, Champ::Nom},
                                       {2, Champ::Date},      {2, Champ::Heure},       {2, Champ::Indicatif}};
    return construire(log, pieces, true);
}

QString partieNiveau(const QString& niveau) {
    if (niveau == QLatin1String("de Base")) return QStringLiteral("Diplome_DCF_de_Base_");
    if (niveau == QLatin1String("Excellence")) return QStringLiteral("Diplome_DCF_Excellence_");
    if (niveau == QLatin1String("Honneur")) return QStringLiteral("Diplome_DCF_Honneur_");
    if (niveau == QStringLiteral("Trophé")) return QStringLiteral("Diplome_DCF_Trophe_");
    return {};
}

QString nomFichierDiplome(const QString& station, const QString& niveau, const QString& aujourdhui) {
    return station + QLatin1Char('_') + partieNiveau(niveau) + partieDate(aujourdhui) +
           QStringLiteral(".txt");
}

QStringList fichierDiplome(const QString& station, const QString& aujourdhui,
                           const QStringList& entrees) {
    QStringList out;
    out.reserve(entrees.size() + 6);
    out << station + QStringLiteral("   ") +
               QStringLiteral(" Liste alphanumerique des Cathédrales contactées") +
               QStringLiteral(" au ") + aujourdhui
        << QString() << EnteteFichierDiplome << QString();
    for (qsizetype i = 0; i < entrees.size(); ++i)
        out << numero(int(i + 1)) + QLatin1Char(' ') + entrees[i];
    out << QString() << Credit;
    return out;
}

QString titreImpressionDiplome(const QString& station, const QString& niveau,
                               const QString& aujourdhui) {
    const QString date = dateImprimee(aujourdhui);
    const QString debut = QString(17, QLatin1Char(' ')) + station + QLatin1Char(' ');
    if (niveau == QLatin1String("de Base")) return debut + QStringLiteral("Diplome DCF De base du ") + date;
    if (niveau == QLatin1String("Excellence"))
        return debut + QStringLiteral("Diplome DCF Excellence du ") + date;
    if (niveau == QLatin1String("Honneur")) return debut + QStringLiteral("Diplome DCF Honneur du ") + date;
    if (niveau == QStringLiteral("Trophé"))
        return QString(22, QLatin1Char(' ')) + station + QStringLiteral(" Trophé DCF du ") + date;
    return {};
}

QStringList impressionDiplome(const QString& station, const QString& niveau,
                              const QString& aujourdhui, const QStringList& entrees) {
    QStringList out;
    out.reserve(entrees.size() + 7);
    out << titreImpressionDiplome(station, niveau, aujourdhui) << QString()
        << EnteteImpressionDiplome << QString();
    for (qsizetype i = 0; i < entrees.size(); ++i)
        out << QStringLiteral("    ") + numero(int(i + 1)) + QLatin1Char(' ') + entrees[i];
    out << QString() << QString() << Credit;
    return out;
}

// ---- Contacted list ----

const QString EnteteListeContactes =
    placer({{15, "Ref"}, {25, "Indicatif"}, {49, "Dpt"}, {55, "Prénom"}, {82, "Date"}, {97, "QTR"},
            {104, "Mode"}, {112, "QRG"}, {120, "RstR"}, {126, "RstE"},
            {137, "Nom de la Cathédrale"}, {182, "QSL"}});
const QString EnteteFichierContactes =
    placer({{10, "Ref"}, {16, "Indicatif"}, {29, "Dpt"}, {35, "Prenom"}, {50, "Date"}, {59, "QTR"},
            {65, "Mode"}, {72, "QRG"}, {78, "RstR"}, {83, "RstE"}, {91, "Nom de la Cathédrale"},
            {120, "QSL"}});

// A contacted entry's key: reference, blank, first two callsign characters.
constexpr int kCle = 6, kCleLargeur = 11;

constexpr Piece kContactes[] = {
    {6, Champ::Reference}, {1, Champ::Indicatif}, {2, Champ::Departement}, {1, Champ::Prenom},
    {1, Champ::Date},      {2, Champ::Heure},     {2, Champ::Mode},        {2, Champ::Bande},
    {2, Champ::RstRecu},   {2, Champ::RstEnvoye}, {2, Champ::Nom},         {2, Champ::Qsl}};

Entrees entreesContactes(const Carnet& log) { return construire(log, kContactes, false); }

Entrees contactesSansDoublons(const Carnet& log) {
    // Sorted entries that share a reference and callsign prefix stand
    // together, the smallest first: keeping the smallest of each key before
    // sorting leaves the same list and a few thousand entries to sort. A
    // whole line is compared with the kept entry field by field; only a kept
    // entry, or a short line's, is written out.
    constexpr int largeur = largeurEntree(kContactes);
    constexpr int debut = kContactes[0].blancs;
    constexpr size_t n = std::size(kContactes);
    static_assert(kCleLargeur == 11 && kContactes[1].champ == Champ::Indicatif, "reference, blank, callsign start");
    constexpr std::array<int, n> position = [] {
        std::array<int, n> pos{};
        int d = 0;
        for (size_t j = 0; j < n; ++j) {
            pos[j] = d + kContactes[j].blancs;
            d = pos[j] + kContactes[j].largeur();
        }
        return pos;
    }();
    const auto comparer = [&position](const char* ligne, const char* entree) {
        for (size_t j = 1; j < n; ++j)
            if (const int r = std::memcmp(ligne + kContactes[j].colonne(), entree + position[j],
                                          size_t(kContactes[j].largeur())))
                return r;
        return 0;
    };
    struct Cle {
        quint64 ref;
        quint16 indicatif;
        bool operator==(const Cle&) const = default;
    };
    struct Hache {
        size_t operator()(const Cle& c) const {
            return size_t((c.ref ^ (quint64(c.indicatif) << 48)) * 0x9E3779B97F4A7C15ull >> 20);
        }
    };
    std::unordered_map<Cle, qsizetype, Hache> place;  // key -> offset of its entry in gardees
    place.reserve(4096);
    QByteArray gardees;
    char courte[largeur];
    for (qsizetype i = 0; i < log.nombre(); ++i) {
        const QByteArrayView l = log.ligne(i);
        const bool entiere = l.size() >= LigneQso::Longueur;
        if (!entiere) ecrireEntree(courte, l, kContactes);
        const char* cle = entiere ? l.data() : courte + position[1];
        Cle k;
        std::memcpy(&k.ref, entiere ? l.data() + kContactes[0].colonne() : courte + position[0], sizeof k.ref);
        std::memcpy(&k.indicatif, cle, sizeof k.indicatif);
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
            ecrireEntree(d, l, kContactes);
        else
            std::memcpy(d, courte, size_t(largeur));
    }
    return trier(std::move(gardees), largeur, debut);
}

Entrees sansDoublons(const Entrees& triees) {
    Entrees out;
    out.largeur = triees.largeur;
    QByteArrayView precedente;
    for (qsizetype i = 0; i < triees.taille(); ++i) {
        const QByteArrayView e = triees.octetsDe(i);
        const QByteArrayView cle = e.sliced(kCle, kCleLargeur);
        if (i == 0 || cle != precedente) {
            out.octets.append(e);
            precedente = cle;
        }
    }
    return out;
}

QString nomFichierContactes(const QString& station, const QString& aujourdhui) {
    return QStringLiteral("Cathédrales_Contactes_") + station + QLatin1Char('_') +
           partieDate(aujourdhui) + QStringLiteral(".txt");
}

QString titreContactes(const QString& station, const QString& aujourdhui) {
    return QString(19, QLatin1Char(' ')) +
           QStringLiteral("Liste des Cathédrales et Basiliques contactées par ") + station +
           QStringLiteral(" au ") + aujourdhui + QStringLiteral(" par ordre alphanumerique");
}

QStringList fichierContactes(const QString& station, const QString& aujourdhui,
                             const QStringList& entrees) {
    QStringList out;
    out.reserve(entrees.size() + 6);
    out << titreContactes(station, aujourdhui) << QString() << EnteteFichierContactes << QString();
    out << entrees;
    out << QString() << Credit;
    return out;
}

QStringList impressionContactes(const QString& station, const QString& aujourdhui,
                                const QStringList& entrees) {
    QStringList out;
    out.reserve(entrees.size() + 7);
    out << titreContactes(station, aujourdhui) << QString() << EnteteFichierContactes << QString();
    out << entrees;
    out << QString() << QString() << Credit;
    return out;
}

}  // namespace Rapports
