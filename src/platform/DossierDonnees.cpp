#include "platform/DossierDonnees.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DossierDonnees {

QString choisir(const QString& ligneDeCommande) {
    if (!ligneDeCommande.isEmpty()) return QDir(ligneDeCommande).absolutePath();
    const QString env = qEnvironmentVariable("VITRALOG_DOSSIER");
    if (!env.isEmpty()) return QDir(env).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Vitralog");
}

std::unique_ptr<QLockFile> verrouiller(const QString& dossier) {
    auto lock = std::make_unique<QLockFile>(dossier + QStringLiteral("/.vitralog.lock"));
    // Only a dead owner makes a lock stale: a copy open for days keeps it.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

QStringList anciensDossiers(const QString& dossierProgramme) {
    QStringList d{dossierProgramme};
    // The run script used to install the program here, logs beside it.
    if (QFileInfo(dossierProgramme).fileName() == QLatin1String("bin"))
        d.append(QFileInfo(dossierProgramme).absolutePath());
    d.append(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/Vitralog/Vitralog"));
    return d;
}

QStringList migrer(const QStringList& anciens, const QString& dossier) {
    static const QStringList motifs = {
        QStringLiteral("*_DCF.log"),           QStringLiteral("*_DCF.adi"),
        QStringLiteral("Liste_Prenom.txt"),    QStringLiteral("Liste_DCF.csv"),
        QStringLiteral("*_Diplome_DCF_*.txt"), QStringLiteral("Cathédrales_Contactes_*.txt"),
        QStringLiteral("*_Refus_ADIF.txt")};
    QStringList deplaces;
    const QString cible = QDir(dossier).canonicalPath();
    for (const QString& ancien : anciens) {
        const QDir d(ancien);
        if (!d.exists() || d.canonicalPath() == cible) continue;
        for (const QFileInfo& f : d.entryInfoList(motifs, QDir::Files)) {
            const QString dest = dossier + QLatin1Char('/') + f.fileName();
            if (QFileInfo::exists(dest)) continue;
            // rename() first; across file systems, copy then remove.
            if (QFile::rename(f.absoluteFilePath(), dest) ||
                (QFile::copy(f.absoluteFilePath(), dest) && QFile::remove(f.absoluteFilePath())))
                deplaces.append(f.fileName());
        }
    }
    return deplaces;
}

}  // namespace DossierDonnees
