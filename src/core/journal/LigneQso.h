#pragma once
#include <QString>
#include <QStringList>

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

constexpr int Longueur = 107;        // a stored line
constexpr int LongueurAffichage = 126;  // a line of the log list
constexpr int MaxQso = 99999;           // the running number is 6 wide

// Field widths, in line order.
namespace Largeur {
constexpr int Indicatif = 12, Dpt = 2, Prenom = 15, Ref = 8, Date = 8, Heure = 5, Mode = 3,
              Bande = 7, Rst = 3, Nom = 30;
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

// The caption above the log list.
extern const QString Entete;

}  // namespace LigneQso
