#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

// One QSO as its twelve field texts, cut from or written to a log line.
struct Qso {
    QString indicatif;  // callsign, 12
    QString dpt;        // département, 2
    QString prenom;     // first name, 15
    QString ref;        // reference, 8
    QString date;       // JJ/MM/AA, 8
    QString heure;      // HH:MM, 5
    QString mode;       // 3
    QString bande;      // 7
    QString rstR;       // 3
    QString rstE;       // 3
    QString nom;        // cathedral name, 30
    QString qsl;        // "*" or a blank, 1
};

namespace LigneQso {

constexpr int Longueur = 107;           // a stored line
constexpr int LongueurAffichage = 126;  // a line of the log list
constexpr int MaxQso = 99999;           // the running number is 6 wide

// The fields of a line, in line order.
enum class Champ { Indicatif, Departement, Prenom, Reference, Date, Heure, Mode, Bande, RstRecu, RstEnvoye, Nom, Qsl };

// Where a field stands (0-based) in a stored line and in a display line, and
// its width. Nobody else types these numbers.
struct Position {
    int stockee, affichee, largeur;
};
inline constexpr std::array<Position, 12> Schema{{
    {0, 8, 12},     // Indicatif
    {13, 22, 2},    // Departement
    {16, 26, 15},   // Prenom
    {32, 43, 8},    // Reference, no separator before the date
    {40, 52, 8},    // Date JJ/MM/AA
    {49, 62, 5},    // Heure HH:MM
    {55, 69, 3},    // Mode
    {59, 74, 7},    // Bande
    {67, 83, 3},    // RstRecu
    {71, 88, 3},    // RstEnvoye
    {75, 93, 30},   // Nom, the cathedral's
    {106, 125, 1},  // Qsl, "*" when confirmed
}};
constexpr const Position& position(Champ c) { return Schema[size_t(c)]; }
constexpr int largeur(Champ c) { return position(c).largeur; }
static_assert(Schema.back().stockee + 1 == Longueur && Schema.back().affichee + 1 == LongueurAffichage);

// left, mid and right as QStringView has them: cut short, never past the end.
// Hand-edited logs hold short lines, which give short or empty fields.
constexpr QByteArrayView tranche(QByteArrayView v, qsizetype pos, qsizetype n) {
    return pos >= v.size() ? QByteArrayView() : v.sliced(pos, std::min(n, v.size() - pos));
}
constexpr QStringView tranche(QStringView v, qsizetype pos, qsizetype n) {
    return pos >= v.size() ? QStringView() : v.sliced(pos, std::min(n, v.size() - pos));
}
// Outer blanks only: a tab or another space character is part of the value.
constexpr QByteArrayView sansBlancs(QByteArrayView v) {
    while (!v.isEmpty() && v.front() == ' ') v = v.sliced(1);
    while (!v.isEmpty() && v.back() == ' ') v.chop(1);
    return v;
}

// A field of a stored line, as written (blanks kept).
constexpr QByteArrayView champ(QByteArrayView ligne, Champ c) {
    return tranche(ligne, position(c).stockee, position(c).largeur);
}
// A field of a display line of the log list.
constexpr QStringView champAffiche(QStringView affichage, Champ c) {
    return tranche(affichage, position(c).affichee, position(c).largeur);
}
// The QSL column holds "*": the QSO counts for the award.
inline bool estConfirmee(QByteArrayView ligne) {
    const QByteArrayView q = champ(ligne, Champ::Qsl);
    return !q.isEmpty() && q[0] == '*';
}

// Each value padded on the right to its width, with the log separators
// (none between reference and date). Values are not cut.
QString format(const Qso& q);
// Fields by position; past the end of a short line they come out short or empty.
Qso parse(const QString& line);

// The log list line: running number right-aligned in 6, then the fields.
QString affichage(const QString& line, int numero);
QStringList affichages(const QStringList& lines);
// Fields cut back out of a display line, untrimmed.
Qso parseAffichage(const QString& display);
// The stored line a display line was made from; the name is upper-cased
// unless nameAsShown.
QString reconstruire(const QString& display, bool nameAsShown = false);

// Date and time of a line as a sortable number; none when either cannot
// be read (years 50-99 are 19xx, 00-49 are 20xx).
std::optional<qint64> horodatage(QByteArrayView ligne);

// The caption above the log list.
extern const QString Entete;

}  // namespace LigneQso
