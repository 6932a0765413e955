#include "core/adif/Adif.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "core/Bandes.h"
#include "core/Reglages.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"

namespace Adif {

namespace {

// The record is made from the log's bytes: in Windows-1252 a value has as
// many bytes as characters, so nothing is decoded.
void champ(QByteArray& out, const char* tag, QByteArrayView valeur) {
    out += tag;
    char nombre[12];
    char* fin = std::to_chars(nombre, nombre + sizeof nombre - 1, valeur.size()).ptr;
    *fin++ = '>';
    out.append(nombre, fin - nombre);
    out += valeur;
}

QByteArrayView sansBlancs(QByteArrayView v) {
    while (!v.isEmpty() && v.front() == ' ') v = v.sliced(1);
    while (!v.isEmpty() && v.back() == ' ') v.chop(1);
    return v;
}

// left, mid and right as QStringView has them: cut short, never past the end.
QByteArrayView gauche(QByteArrayView v, qsizetype n) { return v.first(std::min(n, v.size())); }
QByteArrayView droite(QByteArrayView v, qsizetype n) { return v.last(std::min(n, v.size())); }
QByteArrayView milieu(QByteArrayView v, qsizetype pos, qsizetype n) {
    return pos >= v.size() ? QByteArrayView() : v.sliced(pos, std::min(n, v.size() - pos));
}

QByteArrayView col(QByteArrayView l, int pos, int largeur) { return milieu(l, pos, largeur); }

void enregistrement(QByteArray& out, QByteArrayView l) {
    const QByteArrayView date = sansBlancs(col(l, 40, 8));
    const QByteArrayView heure = sansBlancs(col(l, 49, 5));
    champ(out, "<CALL:", sansBlancs(col(l, 0, 12)));
    champ(out, " <STATE:", sansBlancs(col(l, 13, 2)));
    champ(out, " <NAME:", sansBlancs(col(l, 16, 15)));
    champ(out, " <SIG:", sansBlancs(col(l, 32, 8)));
    char tampon[12] = "20";
    qsizetype n = 2;
    for (QByteArrayView p : {droite(date, 2), milieu(date, 3, 2), gauche(date, 2)}) {
        std::memcpy(tampon + n, p.data(), size_t(p.size()));
        n += p.size();
    }
    champ(out, " <QSO_DATE:", QByteArrayView(tampon, n));
    n = 0;
    for (QByteArrayView p : {gauche(heure, 2), droite(heure, 2)}) {
        std::memcpy(tampon + n, p.data(), size_t(p.size()));
        n += p.size();
    }
    champ(out, " <TIME_ON:", QByteArrayView(tampon, n));
    champ(out, " <MODE:", sansBlancs(col(l, 55, 3)));
    const QByteArrayView texteBande = sansBlancs(col(l, 59, 7));
    QByteArrayView adif;
    for (const Bandes::Bande& b : Bandes::Table)
        if (texteBande == QByteArrayView(b.texte)) {
            adif = QByteArrayView(b.adif);
            break;
        }
    champ(out, " <BAND:", adif);
    champ(out, " <RST_RCVD:", sansBlancs(col(l, 67, 3)));
    champ(out, " <RST_SENT:", sansBlancs(col(l, 71, 3)));
    champ(out, " <SIG_INFO:", sansBlancs(col(l, 75, 30)));
    champ(out, " <QSL_RCVD:", col(l, 106, 1) == "*" ? "Y" : "N");
    out += "<eor>\r\n";
}

}  // namespace

QString bande(const QString& texteBande) {
    const Bandes::Bande* b = Bandes::parTexte(texteBande);
    return b ? QString::fromLatin1(b->adif) : QString();
}

QString ADIF_SP(const QString& Poubelle) {
    QByteArray out;
    enregistrement(out, TextFile::encode(Poubelle));
    out.chop(2);
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
    QByteArray out;
    out.reserve(log.octets().size() * 5 / 2 + 512);
    for (const QString& l : entete(indicatif)) {
        out += TextFile::encode(l);
        out += "\r\n";
    }
    for (qsizetype i = 0; i < log.nombre(); ++i) enregistrement(out, log.ligne(i));
    return out;
}

}  // namespace Adif
