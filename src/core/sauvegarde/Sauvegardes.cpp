#include "core/sauvegarde/Sauvegardes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>

#include "core/journal/FichierAtomique.h"

namespace {

const QString FormatQuand = QStringLiteral("yyyy-MM-dd_HHmmss");

QString stem(const QString& station, const QDateTime& quand, int rang) {
    QString s = station + QStringLiteral("_DCF_") + quand.toString(FormatQuand);
    if (rang > 1) s += QLatin1Char('-') + QString::number(rang);
    return s;
}

QString echec(const QString& dossier, const QString& pourquoi) {
    return QStringLiteral("Sauvegarde impossible dans ") + QDir::toNativeSeparators(dossier) + QStringLiteral(" : ") +
           pourquoi;
}

// Read back in blocks: no second copy of an 11 MB log in memory.
bool relitPareil(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly) || f.size() != octets.size()) return false;
    QByteArray bloc(1 << 20, Qt::Uninitialized);
    qsizetype p = 0;
    for (qint64 lu; (lu = f.read(bloc.data(), bloc.size())) > 0; p += lu)
        if (p + lu > octets.size() || std::memcmp(bloc.constData(), octets.constData() + p, size_t(lu)) != 0)
            return false;
    return p == octets.size() && f.error() == QFileDevice::NoError;
}

// Written through the atomic rewrite, then read back: a copy that does not
// read back as written is removed and fails the backup.
QString copier(const QString& cible, const QByteArray& octets) {
    FichierAtomique f;
    if (!f.open(cible) || !f.write(octets) || !f.commit()) return f.errorText();
    if (!relitPareil(cible, octets)) {
        QFile::remove(cible);
        return QStringLiteral("la copie relue ne correspond pas à l'original");
    }
    return {};
}

void retirer(const QString& dossier, const Sauvegardes::Copie& c) {
    const QString base = QFileInfo(c.chemin).completeBaseName();
    // The log's copy first: the backup stops being listed at once, and
    // other files a kill leaves behind are the start-up cleanup's.
    QFile::remove(c.chemin);
    for (const QString& autre : QDir(dossier).entryList({base + QStringLiteral("_*")}, QDir::Files))
        QFile::remove(QDir(dossier).filePath(autre));
}

}  // namespace

QString Sauvegardes::sauvegarder(const Lieu& lieu, const QByteArray& log, const QDateTime& quand, QString* chemin) {
    const QDir d(lieu.dossier);
    if (!d.exists() && !(lieu.creer && QDir().mkpath(lieu.dossier)))
        return echec(lieu.dossier, lieu.creer ? QStringLiteral("le dossier ne peut pas être créé")
                                              : QStringLiteral("le dossier n'existe pas"));
    int rang = 1;
    while (QFileInfo::exists(d.filePath(stem(lieu.station, quand, rang) + QStringLiteral(".log")))) ++rang;
    const QString base = stem(lieu.station, quand, rang);
    // The other files before the log's copy: a backup shows only once its
    // log is there; a failure removes what this one had written.
    QStringList ecrits;
    const auto abandon = [&](const QString& pourquoi) {
        for (const QString& e : ecrits) QFile::remove(e);
        return echec(lieu.dossier, pourquoi);
    };
    for (const QString& autre : lieu.autres) {
        QFile f(autre);
        if (!f.exists()) continue;
        if (!f.open(QIODevice::ReadOnly))
            return abandon(QDir::toNativeSeparators(autre) + QStringLiteral(" ne peut pas être lu"));
        const QString copie = d.filePath(base + QLatin1Char('_') + QFileInfo(autre).fileName());
        const QString erreur = copier(copie, f.readAll());
        if (!erreur.isEmpty()) return abandon(erreur);
        ecrits << copie;
    }
    const QString copieLog = d.filePath(base + QStringLiteral(".log"));
    const QString erreur = copier(copieLog, log);
    if (!erreur.isEmpty()) return abandon(erreur);
    if (chemin) *chemin = copieLog;
    // Older ones go only now that a newer one was verified.
    const QList<Copie> copies = lister(lieu.dossier, lieu.station);
    for (int i : aRetirer(copies, quand.date())) retirer(lieu.dossier, copies[i]);
    return {};
}

QList<Sauvegardes::Copie> Sauvegardes::lister(const QString& dossier, const QString& station) {
    const QRegularExpression nom(QStringLiteral("^") + QRegularExpression::escape(station) +
                                 QStringLiteral("_DCF_(\\d{4}-\\d{2}-\\d{2}_\\d{6})(?:-(\\d+))?\\.log$"));
    QList<Copie> copies;
    const QDir d(dossier);
    for (const QString& f : d.entryList({station + QStringLiteral("_DCF_*.log")}, QDir::Files)) {
        const QRegularExpressionMatch m = nom.match(f);
        if (!m.hasMatch()) continue;
        const QDateTime quand = QDateTime::fromString(m.captured(1), FormatQuand);
        if (!quand.isValid()) continue;
        copies.append({d.filePath(f), quand, m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()});
    }
    std::sort(copies.begin(), copies.end(),
              [](const Copie& a, const Copie& b) { return a.quand != b.quand ? a.quand > b.quand : a.rang > b.rang; });
    return copies;
}

QStringList Sauvegardes::nettoyer(const QString& dossier) {
    QStringList retires = FichierAtomique::nettoyer(dossier);
    // The other files are written before the log's copy and removed after it.
    static const QRegularExpression autre(QStringLiteral("^(.+_DCF_\\d{4}-\\d{2}-\\d{2}_\\d{6}(?:-\\d+)?)_.+$"));
    const QDir d(dossier);
    for (const QString& f : d.entryList({QStringLiteral("*_DCF_*_*")}, QDir::Files | QDir::NoSymLinks)) {
        const QRegularExpressionMatch m = autre.match(f);
        if (m.hasMatch() && !QFileInfo::exists(d.filePath(m.captured(1) + QStringLiteral(".log"))) &&
            QFile::remove(d.filePath(f)))
            retires << f;
    }
    return retires;
}

qsizetype Sauvegardes::compterQso(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    // Line ends counted as the log object reads them: LF, CR LF or a lone CR,
    // and a last line without its end.
    qsizetype n = 0;
    char dernier = '\n';
    QByteArray bloc(1 << 20, Qt::Uninitialized);
    for (qint64 lu; (lu = f.read(bloc.data(), bloc.size())) > 0;) {
        for (qint64 i = 0; i < lu; ++i) {
            const char c = bloc[i];
            if (c == '\n' ? dernier != '\r' : c == '\r') ++n;
            dernier = c;
        }
    }
    if (dernier != '\n' && dernier != '\r') ++n;
    return n;
}

QList<int> Sauvegardes::aRetirer(const QList<Copie>& copies, const QDate& aujourdhui) {
    const QDate debut = QDate(aujourdhui.year(), aujourdhui.month(), 1).addMonths(-(Mois - 1));
    QList<int> retires;
    QDate moisVu;  // newest first: the first one seen of a month is its last
    for (int i = 0; i < copies.size(); ++i) {
        const QDate mois(copies[i].quand.date().year(), copies[i].quand.date().month(), 1);
        const bool dernierDuMois = mois != moisVu && mois >= debut;
        moisVu = mois;
        if (i >= Dernieres && !dernierDuMois) retires.append(i);
    }
    return retires;
}

void Sauvegardes::noter(const QString& message) {
    if (!message.isEmpty() && !signale_ && message_.isEmpty()) message_ = message;
}

void Sauvegardes::avantModification(const Lieu& lieu, const QByteArray& log, const QDateTime& maintenant) {
    modifie_ = true;
    const QList<Copie> copies = lister(lieu.dossier, lieu.station);
    if (!copies.isEmpty() && copies.first().quand.date() == maintenant.date()) return;
    noter(sauvegarder(lieu, log, maintenant));
}

void Sauvegardes::aLaFermeture(const Lieu& lieu, const QByteArray& log, const QDateTime& maintenant) {
    if (modifie_) noter(sauvegarder(lieu, log, maintenant));
}

QString Sauvegardes::messageAMontrer() {
    if (signale_ || message_.isEmpty()) return {};
    signale_ = true;
    return message_;
}
