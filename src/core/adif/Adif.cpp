#include "core/adif/Adif.h"

#include "core/Bandes.h"
#include "core/Reglages.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

namespace Adif {

namespace {

void champ(QString& out, QLatin1String tag, QStringView valeur) {
    out += tag;
    out += QString::number(valeur.size());
    out += QLatin1Char('>');
    out += valeur;
}

// Only blanks: a tab or a no-break space at either end is part of the value.
QStringView sansBlancs(QStringView v) {
    while (!v.isEmpty() && v.front() == u' ') v = v.sliced(1);
    while (!v.isEmpty() && v.back() == u' ') v.chop(1);
    return v;
}

// "JJ/MM/AA" -> "20AAMMJJ"; the award began in 2015, so the century is fixed.
QString dateAdif(QStringView date) {
    QString out = QStringLiteral("20");
    out += date.right(2);
    out += date.mid(3, 2);
    out += date.left(2);
    return out;
}

}  // namespace

QString bande(const QString& texteBande) {
    const Bandes::Bande* b = Bandes::parTexte(texteBande);
    return b ? QString::fromLatin1(b->adif) : QString();
}

QString ADIF_SP(const QString& Poubelle) {
    const Qso q = LigneQso::parse(Poubelle);
    const QStringView date = sansBlancs(q.date);
    const QStringView heure = sansBlancs(q.heure);
    QString out;
    out.reserve(220);
    champ(out, QLatin1String("<CALL:"), sansBlancs(q.indicatif));
    champ(out, QLatin1String(" <STATE:"), sansBlancs(q.dpt));
    champ(out, QLatin1String(" <NAME:"), sansBlancs(q.prenom));
    champ(out, QLatin1String(" <SIG:"), sansBlancs(q.ref));
    champ(out, QLatin1String(" <QSO_DATE:"), dateAdif(date));
    QString hhmm = heure.left(2).toString();
    hhmm += heure.right(2);
    champ(out, QLatin1String(" <TIME_ON:"), hhmm);
    champ(out, QLatin1String(" <MODE:"), sansBlancs(q.mode));
    champ(out, QLatin1String(" <BAND:"), bande(sansBlancs(q.bande).toString()));
    champ(out, QLatin1String(" <RST_RCVD:"), sansBlancs(q.rstR));
    champ(out, QLatin1String(" <RST_SENT:"), sansBlancs(q.rstE));
    champ(out, QLatin1String(" <SIG_INFO:"), sansBlancs(q.nom));
    champ(out, QLatin1String(" <QSL_RCVD:"), q.qsl == QLatin1String("*") ? u"Y" : u"N");
    out += QLatin1String("<eor>");
    return out;
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
    out.reserve(200 * (log.nombre() + 6));
    for (const QString& l : entete(indicatif)) {
        out += TextFile::encode(l);
        out += "\r\n";
    }
    // Every character comes from the log, so every one encodes back.
    for (qsizetype i = 0; i < log.nombre(); ++i) {
        out += TextFile::encode(ADIF_SP(log.texte(i)));
        out += "\r\n";
    }
    return out;
}

}  // namespace Adif
