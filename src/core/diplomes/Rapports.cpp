#include "core/diplomes/Rapports.h"

#include <initializer_list>
#include <utility>

#include "core/diplomes/TriRapide.h"
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
using TriRapide::Piece;

// The entries of the log's lines (or of its confirmed ones), sorted.
template <size_t N>
Entrees construire(const Carnet& log, const Piece (&pieces)[N], bool confirmesSeuls) {
    const int largeur = TriRapide::largeurEntree(pieces);
    QByteArray brut = TriRapide::grandTampon(log.nombre() * largeur);
    char* d = brut.data();
    for (qsizetype i = 0; i < log.nombre(); ++i) {
        const QByteArrayView l = log.ligne(i);
        if (!confirmesSeuls || estConfirmee(l)) d = TriRapide::ecrireEntree(d, l, pieces);
    }
    brut.truncate(d - brut.constData());
    return {TriRapide::trier(brut, largeur, pieces[0].blancs), largeur};
}

QString numero(int n) { return QString::number(n).rightJustified(5, QLatin1Char(' ')); }

// The level whose word is this one; none for any other word.
const Niveau* niveauNomme(const QString& mot) {
    for (const Niveau& n : niveaux())
        if (n.mot == mot) return &n;
    return nullptr;
}

}  // namespace

const QList<Niveau>& niveaux() {
    static const QList<Niveau> table = {
        {10, QStringLiteral("de Base"), QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DCF de base"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DCF de base"), QStringLiteral("Diplome_DCF_de_Base_"), 17,
         QStringLiteral(" Diplome DCF De base du ")},
        {30, QStringLiteral("Excellence"),
         QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DCF Excellence"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DCF Excellence"),
         QStringLiteral("Diplome_DCF_Excellence_"), 17, QStringLiteral(" Diplome DCF Excellence du ")},
        {50, QStringLiteral("Honneur"), QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DCF Honneur"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DCF Honneur"), QStringLiteral("Diplome_DCF_Honneur_"), 17,
         QStringLiteral(" Diplome DCF Honneur du ")},
        {100, QStringLiteral("Trophé"), QStringLiteral("Vous ne pouvez pas encore obtenir le trophé DCF "),
         QStringLiteral("Bravo vous pouvez obtenir le trophé DCF"), QStringLiteral("Diplome_DCF_Trophe_"), 22,
         QStringLiteral(" Trophé DCF du ")},
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
    return aujourdhui.mid(0, 2) + QLatin1Char('_') + aujourdhui.mid(3, 2) + QLatin1Char('_') + aujourdhui.right(2);
}

QString dateImprimee(const QString& aujourdhui) {
    return aujourdhui.mid(0, 2) + QLatin1Char('/') + aujourdhui.mid(3, 2) + QLatin1Char('/') + aujourdhui.right(2);
}

// ---- Award list ----

// clang-format off
const QString EnteteListeDiplome =
    placer({{5, "Ref"}, {13, "Dpt"}, {19, "Nom de la cathédrale"}, {52, "Date"}, {59, "Heure Indicatif"}});
const QString EnteteFichierDiplome =
    placer({{4, "N°"}, {10, "Ref"}, {18, "Dpt"}, {25, "Nom de la cathédrale"}, {57, "Date"},
            {65, "Heure"}, {72, "Indicatif"}});
const QString EnteteImpressionDiplome =
    placer({{8, "N°"}, {14, "Ref"}, {22, "Dpt"}, {29, "Nom de la Cathédrale"}, {61, "Date"},
            {69, "Heure"}, {76, "Indicatif"}});
// clang-format on
const QString Credit = QStringLiteral("Liste établie par Vitralog, carnet de trafic du DCF");

Entrees entreesDiplome(const Carnet& log) {
    static constexpr Piece pieces[] = {{3, Champ::Reference}, {2, Champ::Departement}, {2, Champ::Nom},
                                       {2, Champ::Date},      {2, Champ::Heure},       {2, Champ::Indicatif}};
    return construire(log, pieces, true);
}

QString partieNiveau(const QString& niveau) {
    const Niveau* n = niveauNomme(niveau);
    return n ? n->partieFichier : QString();
}

QString nomFichierDiplome(const QString& station, const QString& niveau, const QString& aujourdhui) {
    return station + QLatin1Char('_') + partieNiveau(niveau) + partieDate(aujourdhui) + QStringLiteral(".txt");
}

QString titreImpressionDiplome(const QString& station, const QString& niveau, const QString& aujourdhui) {
    const Niveau* n = niveauNomme(niveau);
    if (!n) return {};
    return QString(n->retraitTitre, QLatin1Char(' ')) + station + n->titre + dateImprimee(aujourdhui);
}

Rapport rapportDiplome(const QString& station, const QString& niveau, const QString& aujourdhui,
                       const QStringList& entrees, Support support) {
    Rapport r;
    const bool papier = support == Support::Impression;
    r.titre = papier ? titreImpressionDiplome(station, niveau, aujourdhui)
                     : station + QStringLiteral("   ") +
                           QStringLiteral(" Liste alphanumerique des Cathédrales contactées") + QStringLiteral(" au ") +
                           aujourdhui;
    r.entete = papier ? EnteteImpressionDiplome : EnteteFichierDiplome;
    // Paper gets a left margin before the numbers.
    const QString marge = papier ? QStringLiteral("    ") : QString();
    r.lignes.reserve(entrees.size());
    for (qsizetype i = 0; i < entrees.size(); ++i)
        r.lignes << marge + numero(int(i + 1)) + QLatin1Char(' ') + entrees[i];
    r.credit = Credit;
    return r;
}

// ---- Contacted list ----

// clang-format off
const QString EnteteListeContactes =
    placer({{15, "Ref"}, {25, "Indicatif"}, {49, "Dpt"}, {55, "Prénom"}, {82, "Date"}, {97, "QTR"},
            {104, "Mode"}, {112, "QRG"}, {120, "RstR"}, {126, "RstE"},
            {137, "Nom de la Cathédrale"}, {182, "QSL"}});
const QString EnteteFichierContactes =
    placer({{10, "Ref"}, {16, "Indicatif"}, {29, "Dpt"}, {35, "Prenom"}, {50, "Date"}, {59, "QTR"},
            {65, "Mode"}, {72, "QRG"}, {78, "RstR"}, {83, "RstE"}, {91, "Nom de la Cathédrale"},
            {120, "QSL"}});
// clang-format on

// A contacted entry's key: reference, blank, first two callsign characters.
constexpr int kCle = 6, kCleLargeur = 11;

constexpr Piece kContactes[] = {{6, Champ::Reference}, {1, Champ::Indicatif}, {2, Champ::Departement},
                                {1, Champ::Prenom},    {1, Champ::Date},      {2, Champ::Heure},
                                {2, Champ::Mode},      {2, Champ::Bande},     {2, Champ::RstRecu},
                                {2, Champ::RstEnvoye}, {2, Champ::Nom},       {2, Champ::Qsl}};
static_assert(kCle == kContactes[0].blancs && kCleLargeur == kContactes[0].largeur() + kContactes[1].blancs + 2 &&
                  kContactes[1].champ == Champ::Indicatif,
              "the key is the reference, a blank and two callsign characters");

Entrees entreesContactes(const Carnet& log) { return construire(log, kContactes, false); }

Entrees sansDoublons(const Entrees& triees) {
    return {TriRapide::premierParCle(triees.octets, triees.largeur, kCle, kCleLargeur), triees.largeur};
}

Entrees contactesSansDoublons(const Carnet& log) {
    constexpr int largeur = TriRapide::largeurEntree(kContactes);
    return {TriRapide::trier(TriRapide::plusPetitParCle<kContactes, 2>(log), largeur, kCle), largeur};
}

QString nomFichierContactes(const QString& station, const QString& aujourdhui) {
    return QStringLiteral("Cathédrales_Contactes_") + station + QLatin1Char('_') + partieDate(aujourdhui) +
           QStringLiteral(".txt");
}

QString titreContactes(const QString& station, const QString& aujourdhui) {
    return QString(19, QLatin1Char(' ')) + QStringLiteral("Liste des Cathédrales et Basiliques contactées par ") +
           station + QStringLiteral(" au ") + aujourdhui + QStringLiteral(" par ordre alphanumerique");
}

Rapport rapportContactes(const QString& station, const QString& aujourdhui, const QStringList& entrees) {
    return {titreContactes(station, aujourdhui), EnteteFichierContactes, entrees, Credit};
}

}  // namespace Rapports
