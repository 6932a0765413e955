#pragma once
#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QStringList>

class Carnet;

// Finding QSOs among the display lines of the log list.
namespace Recherche {

enum Option { ParIndicatif = 1, ParReference = 2, ParDepartement = 3 };

// Checks of the criterion boxes on Enter: the message to show, empty when
// the search may run. The département is given already in lower case.
QString controleIndicatif(const QString& texte);
QString controleReference(const QString& texte);
QString controleDepartement(const QString& texte);

// Shown when the criterion of the chosen option is empty at search time.
QString messageCritereVide(int option);

// The rows of the log list that match, in list order. Callsign: contains
// the criterion in upper case; reference: its first 7 characters equal it in
// upper case; département: equals it as it stands, blanks kept. The rows are
// given as the stored lines behind the list: a display line carries their
// fields unchanged after its running number, so reading the columns there
// matches the same rows without building 99,999 display lines.
QList<int> chercher(const Carnet& lignes, int option, const QString& critere);

// The running number column of a display line.
QString numero(const QString& affichage);
// The row of the log list whose line carries this running number, -1 when
// none; the list is given by a row accessor and its size.
template <class LigneDe>
int ligneDuNumero(const QString& num, int nombre, LigneDe ligneDe) {
    bool ok = false;
    const int n = num.trimmed().toInt(&ok);
    // Row n-1 is the only one that can carry the number n.
    if (!ok || n < 1 || n > nombre) return -1;
    return numero(ligneDe(n - 1)) == num ? n - 1 : -1;
}

}  // namespace Recherche
