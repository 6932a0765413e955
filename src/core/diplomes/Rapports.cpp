#include "core/diplomes/Rapports.h"

#include <QByteArray>
#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

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

// A field as stored, padded when a short line ends inside it.
inline void champ(QString& out, const QString& v, int largeur) {
    out += v;
    for (qsizetype i = v.size(); i < largeur; ++i) out += QLatin1Char(' ');
}

inline void blancs(QString& out, int n) { out.append(QString(n, QLatin1Char(' '))); }

inline bool confirme(const QString& ligne) {
    return ligne.size() >= LigneQso::Longueur && ligne.at(LigneQso::Longueur - 1) == QLatin1Char('*');
}

// The Windows-1252 byte of a character. Below U+0100 it is the code itself;
// the few characters above (the euro sign, curly quotes...) are looked up.
inline int octet(char16_t c) {
    if (c < 0x100) return c;
    return static_cast<unsigned char>(TextFile::encode(QString(QChar(c))).at(0));
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

int compteConfirmes(const QStringList& lignes) {
    return int(std::count_if(lignes.begin(), lignes.end(), confirme));
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

void trierOctets(QStringList& entrees) {
    // Below U+0100 code order is byte order, and QString compares fastest.
    const bool latin1 = std::all_of(entrees.cbegin(), entrees.cend(), [](const QString& e) {
        return std::all_of(e.cbegin(), e.cend(), [](QChar c) { return c.unicode() < 0x100; });
    });
    if (latin1) {
        std::sort(entrees.begin(), entrees.end());
        return;
    }
    std::sort(entrees.begin(), entrees.end(), [](const QString& a, const QString& b) {
        const qsizetype n = std::min(a.size(), b.size());
        const QChar* pa = a.constData();
        const QChar* pb = b.constData();
        const auto [da, db] = std::mismatch(pa, pa + n, pb);
        if (da == pa + n) return a.size() < b.size();
        return octet(da->unicode()) < octet(db->unicode());
    });
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

QString entreeDiplome(const QString& ligne) {
    const Qso q = LigneQso::parse(ligne);
    QString e;
    e.reserve(78);
    blancs(e, 3);
    champ(e, q.ref, LigneQso::Largeur::Ref);
    blancs(e, 2);
    champ(e, q.dpt, LigneQso::Largeur::Dpt);
    blancs(e, 2);
    champ(e, q.nom, LigneQso::Largeur::Nom);
    blancs(e, 2);
    champ(e, q.date, LigneQso::Largeur::Date);
    blancs(e, 2);
    champ(e, q.heure, LigneQso::Largeur::Heure);
    blancs(e, 2);
    champ(e, q.indicatif, LigneQso::Largeur::Indicatif);
    return e;
}

QStringList entreesDiplome(const QStringList& lignes) {
    QStringList out;
    for (const QString& l : lignes)
        if (confirme(l)) out.append(entreeDiplome(l));
    trierOctets(out);
    return out;
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

QString entreeContacte(const QString& ligne) {
    using namespace LigneQso::Largeur;
    const Qso q = LigneQso::parse(ligne);
    QString e;
    e.reserve(122);
    blancs(e, 6);
    champ(e, q.ref, Ref);
    blancs(e, 1);
    champ(e, q.indicatif, Indicatif);
    blancs(e, 2);
    champ(e, q.dpt, Dpt);
    blancs(e, 1);
    champ(e, q.prenom, Prenom);
    blancs(e, 1);
    champ(e, q.date, Date);
    blancs(e, 2);
    champ(e, q.heure, Heure);
    blancs(e, 2);
    champ(e, q.mode, Mode);
    blancs(e, 2);
    champ(e, q.bande, Bande);
    blancs(e, 2);
    champ(e, q.rstR, Rst);
    blancs(e, 2);
    champ(e, q.rstE, Rst);
    blancs(e, 2);
    champ(e, q.nom, Nom);
    blancs(e, 2);
    champ(e, q.qsl, 1);
    return e;
}

QStringList entreesContactes(const QStringList& lignes) {
    QStringList out;
    out.reserve(lignes.size());
    for (const QString& l : lignes) out.append(entreeContacte(l));
    trierOctets(out);
    return out;
}

QStringList sansDoublons(const QStringList& triees) {
    QStringList out;
    QStringView precedente;
    bool premiere = true;
    for (const QString& e : triees) {
        const QStringView cle = QStringView(e).mid(6, 11);
        if (premiere || cle != precedente) {
            out.append(e);
            precedente = cle;
            premiere = false;
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
