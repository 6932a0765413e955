#include "core/saisie/Prenoms.h"

#include <QFile>
#include <QHash>
#include <QStringList>

#include "core/journal/TextFile.h"

namespace Prenoms {

namespace {
// The file's one layout, a line per callsign: "F5ABC        75 JEAN".
struct Colonne {
    int position, largeur;
};
constexpr Colonne Indicatif{0, 12}, Departement{13, 2}, Prenom{16, 15};
}  // namespace

Trouve chercher(const QString& fichier, const QString& indicatif) {
    Trouve t;
    for (const QString& l : TextFile::readLines(fichier)) {
        if (l.left(Indicatif.largeur).trimmed() != indicatif) continue;
        t.trouve = true;
        // Cut to the field's width after the capitals ("ß" gives "SS"): a
        // damaged file never fills a first name that the save would refuse.
        t.prenom = TextFile::sansControles(l.mid(Prenom.position)).toUpper().left(Prenom.largeur);
        t.dptVide = l.mid(Departement.position, Departement.largeur) == QString(Departement.largeur, QLatin1Char(' '));
    }
    return t;
}

QString enregistrement(const QString& indicatif, const QString& dpt, const QString& prenom) {
    // One blank between the fields, as the columns above say.
    return indicatif.leftJustified(Indicatif.largeur, QLatin1Char(' ')) + QLatin1Char(' ') +
           dpt.leftJustified(Departement.largeur, QLatin1Char(' ')) + QLatin1Char(' ') + prenom;
}

bool memoriser(const QString& fichier, const QString& ligne, QString* erreur) {
    return memoriserLot(fichier, {ligne}, erreur);
}

bool memoriserLot(const QString& fichier, const QStringList& nouvelles, QString* erreur) {
    if (nouvelles.isEmpty()) return true;
    bool lu = true;
    QStringList lignes = TextFile::readLines(fichier, &lu);
    // Missing: created by this update. Present but unreadable: never overwritten.
    if (!lu && QFile::exists(fichier)) {
        if (erreur) *erreur = QStringLiteral("lecture impossible");
        return false;
    }
    QHash<QString, QList<qsizetype>> parIndicatif;
    for (qsizetype i = 0; i < lignes.size(); ++i) parIndicatif[lignes[i].left(Indicatif.largeur)].append(i);
    for (const QString& nouvelle : nouvelles) {
        QList<qsizetype>& ou = parIndicatif[nouvelle.left(Indicatif.largeur)];
        if (ou.isEmpty()) {
            ou.append(lignes.size());
            lignes.append(nouvelle);
        }
        for (qsizetype k : ou) lignes[k] = nouvelle;
    }
    return TextFile::rewriteLines(fichier, lignes, erreur);
}

}  // namespace Prenoms
