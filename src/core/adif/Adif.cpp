#include "core/adif/Adif.h"

#include "core/Reglages.h"
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
    struct Bande {
        const char* log;
        const char* adif;
    };
    static const Bande table[] = {
        {"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"}, {"10 Mhz", "30m"},
        {"14 Mhz", "20m"},   {"18 Mhz", "17m"},  {"21 Mhz", "15m"},  {"24 Mhz", "12m"},
        {"28 Mhz", "10m"},   {"50 Mhz", "6m"},   {"144 Mhz", "2m"},  {"432 Mhz", "70cm"}};
    for (const Bande& b : table)
        if (texteBande == QLatin1String(b.log)) return QString::fromLatin1(b.adif);
    return {};
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

QByteArrayList fichier(const QString& indicatif, const QByteArrayList& log) {
    QByteArrayList out;
    out.reserve(6 + log.size());
    for (const QString& l : entete(indicatif)) out.append(TextFile::encode(l));
    // Every character comes from the log, so every one encodes back.
    for (const QByteArray& l : log) out.append(TextFile::encode(ADIF_SP(TextFile::decode(l))));
    return out;
}

}  // namespace Adif
