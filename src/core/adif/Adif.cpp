#include "core/adif/Adif.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "core/Bandes.h"
#include "core/Reglages.h"
#include "core/Version.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"

namespace Adif {

namespace {

// The record is made from the log's bytes: in Windows-1252 a value has as
// many bytes as characters, so nothing is decoded. Values are cut to their
// columns, so a record never needs more than this, whatever the line holds:
// 113 bytes of tags, 36 of lengths, 93 of values.
constexpr qsizetype PlaceEnregistrement = 272;

// An empty view may hold no pointer at all, which memcpy must not be given.
char* copier(char* d, QByteArrayView v) {
    if (!v.isEmpty()) std::memcpy(d, v.data(), size_t(v.size()));
    return d + v.size();
}

// Written through a pointer: appending to a QByteArray field by field cost
// more than the write of the whole file.
template <size_t N>
char* balise(char* d, const char (&tag)[N], QByteArrayView valeur) {
    std::memcpy(d, tag, N - 1);
    d = std::to_chars(d + N - 1, d + N + 11, valeur.size()).ptr;
    *d++ = '>';
    return copier(d, valeur);
}

// left, mid and right as QStringView has them: cut short, never past the end.
QByteArrayView gauche(QByteArrayView v, qsizetype n) { return v.first(std::min(n, v.size())); }
QByteArrayView droite(QByteArrayView v, qsizetype n) { return v.last(std::min(n, v.size())); }

using LigneQso::Champ;
using LigneQso::sansBlancs;
QByteArrayView valeur(QByteArrayView l, Champ c) { return sansBlancs(LigneQso::champ(l, c)); }

char* enregistrement(char* d, QByteArrayView l) {
    const QByteArrayView date = valeur(l, Champ::Date);
    const QByteArrayView heure = valeur(l, Champ::Heure);
    d = balise(d, "<CALL:", valeur(l, Champ::Indicatif));
    d = balise(d, " <STATE:", valeur(l, Champ::Departement));
    d = balise(d, " <NAME:", valeur(l, Champ::Prenom));
    d = balise(d, " <SIG:", valeur(l, Champ::Reference));
    char tampon[12] = "20";
    char* t = tampon + 2;
    for (QByteArrayView p : {droite(date, 2), LigneQso::tranche(date, 3, 2), gauche(date, 2)}) t = copier(t, p);
    d = balise(d, " <QSO_DATE:", QByteArrayView(tampon, t - tampon));
    t = tampon;
    for (QByteArrayView p : {gauche(heure, 2), droite(heure, 2)}) t = copier(t, p);
    d = balise(d, " <TIME_ON:", QByteArrayView(tampon, t - tampon));
    d = balise(d, " <MODE:", valeur(l, Champ::Mode));
    const QByteArrayView texteBande = valeur(l, Champ::Bande);
    QByteArrayView adif;
    for (const Bandes::Bande& b : Bandes::Table)
        if (texteBande == QByteArrayView(b.texte)) {
            adif = QByteArrayView(b.adif);
            break;
        }
    d = balise(d, " <BAND:", adif);
    d = balise(d, " <RST_RCVD:", valeur(l, Champ::RstRecu));
    d = balise(d, " <RST_SENT:", valeur(l, Champ::RstEnvoye));
    d = balise(d, " <SIG_INFO:", valeur(l, Champ::Nom));
    d = balise(d, " <QSL_RCVD:", LigneQso::estConfirmee(l) ? "Y" : "N");
    std::memcpy(d, "<eor>\r\n", 7);
    return d + 7;
}

}  // namespace

QString enregistrement(const QString& ligne) {
    QByteArray out(PlaceEnregistrement, Qt::Uninitialized);
    out.truncate(enregistrement(out.data(), TextFile::encode(ligne)) - out.constData() - 2);
    return TextFile::decode(out);
}

QString nomFichier(const QString& indicatif) { return indicatif + QStringLiteral("_DCF.adi"); }

QStringList entete(const QString& indicatif) {
    return {QStringLiteral("Exportation du log de la station ") + indicatif + QStringLiteral(" au format ADIF"),
            QString(),
            QStringLiteral("Créé par Vitralog Révision") + Version::Revision +
                QStringLiteral(", carnet de trafic du Diplôme des Cathédrales de France"),
            QString(),
            QString(),
            QStringLiteral("<eoh>")};
}

QByteArray fichier(const QString& indicatif, const Carnet& log) {
    QByteArray tete;
    for (const QString& l : entete(indicatif)) {
        tete += TextFile::encode(l);
        tete += "\r\n";
    }
    // Room for the largest records; only the pages written are ever touched.
    QByteArray out(tete.size() + log.nombre() * PlaceEnregistrement, Qt::Uninitialized);
    char* d = out.data();
    std::memcpy(d, tete.constData(), size_t(tete.size()));
    d += tete.size();
    for (qsizetype i = 0; i < log.nombre(); ++i) d = enregistrement(d, log.ligne(i));
    out.truncate(d - out.constData());
    return out;
}

}  // namespace Adif
