#include "core/saisie/Prenoms.h"

#include <QFile>
#include <QStringList>

#include "core/journal/TextFile.h"

namespace Prenoms {

Trouve chercher(const QString& fichier, const QString& indicatif) {
    Trouve t;
    for (const QString& l : TextFile::readLines(fichier)) {
        if (l.left(12).trimmed() != indicatif) continue;
        t.trouve = true;
        // Cut to the field's width after the capitals ("ß" gives "SS"): a
        // damaged file never fills a first name that the save would refuse.
        t.prenom = TextFile::sansControles(l.mid(16)).toUpper().left(15);
        t.dptVide = l.mid(13, 2) == QLatin1String("  ");
    }
    return t;
}

QString enregistrement(const QString& indicatif, const QString& dpt, const QString& prenom) {
    return indicatif.leftJustified(12, QLatin1Char(' ')) + QLatin1Char(' ') + dpt.leftJustified(2, QLatin1Char(' ')) +
           QLatin1Char(' ') + prenom;
}

bool memoriser(const QString& fichier, const QString& ligne, QString* erreur) {
    bool lu = true;
    QStringList lignes = TextFile::readLines(fichier, &lu);
    // Missing: created by this update. Present but unreadable: never overwritten.
    if (!lu && QFile::exists(fichier)) {
        if (erreur) *erreur = QStringLiteral("lecture impossible");
        return false;
    }
    const QString cle = ligne.left(12);
    bool remplace = false;
    for (QString& l : lignes) {
        if (l.left(12) == cle) {
            l = ligne;
            remplace = true;
        }
    }
    if (!remplace) lignes.append(ligne);
    return TextFile::rewriteLines(fichier, lignes, erreur);
}

}  // namespace Prenoms
