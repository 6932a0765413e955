#include "core/liste/ListeReference.h"

#include <QDate>
#include <QFile>

#include "core/journal/TextFile.h"

namespace ListeReference {

namespace {

char car(const QByteArray& s, qsizetype i) { return i < s.size() ? s[i] : '\0'; }

bool chiffres(const QByteArray& s, qsizetype debut, qsizetype n) {
    for (qsizetype i = debut; i < debut + n; ++i)
        if (i >= s.size() || s[i] < '0' || s[i] > '9') return false;
    return true;
}

// "Rev 012 du 03/05/21": the date must be a real day, not just digits.
bool commenceParUneRevision(const QByteArray& l) {
    if (!l.startsWith("Rev ") || !chiffres(l, 4, 3) || l.mid(7, 4) != " du " || !chiffres(l, 11, 2) ||
        car(l, 13) != '/' || !chiffres(l, 14, 2) || car(l, 16) != '/' || !chiffres(l, 17, 2))
        return false;
    return QDate(2000 + l.mid(17, 2).toInt(), l.mid(14, 2).toInt(), l.mid(11, 2).toInt()).isValid();
}

// "DCF-001;..." or "DBF-001B;..." with the four ";" the lookup needs.
bool estUneReference(const QByteArray& l) {
    const bool cathedrale = l.startsWith("DCF-") && chiffres(l, 4, 3) && car(l, 7) == ';';
    const bool basilique = l.startsWith("DBF-") && chiffres(l, 4, 3) && l.mid(7, 2) == "B;";
    return (cathedrale || basilique) && l.count(';') >= 4;
}

QByteArray premiereLigne(const QByteArray& octets) {
    const qsizetype fin = octets.indexOf('\n');
    QByteArray l = fin < 0 ? octets : octets.left(fin);
    if (l.endsWith('\r')) l.chop(1);
    return l;
}

}  // namespace

bool estUneListe(const QByteArray& octets) {
    if (octets.contains('\0') || !commenceParUneRevision(premiereLigne(octets))) return false;
    int references = 0;
    for (qsizetype debut = 0; debut < octets.size() && references < LignesMin;) {
        qsizetype fin = octets.indexOf('\n', debut);
        if (fin < 0) fin = octets.size();
        if (estUneReference(octets.mid(debut, fin - debut))) ++references;
        debut = fin + 1;
    }
    return references >= LignesMin;
}

QString revision(const QByteArray& octets) { return TextFile::decode(premiereLigne(octets)).left(19); }

QString revisionFichier(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return revision(f.readLine(4096));
}

}  // namespace ListeReference
