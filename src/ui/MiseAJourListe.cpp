#include "ui/MiseAJourListe.h"

#include <QDir>
#include <QFileInfo>

#include "ui/AppContext.h"
#include "core/Reglages.h"
#include "platform/Dialogs.h"
#include "platform/HttpClient.h"
#include "core/journal/TextFile.h"
#include "ui/web/Serveurs.h"

namespace ListeDcf {

bool estUneListe(const QByteArray& body) {
    const qsizetype fin = body.indexOf('\n');
    const QByteArray premiere = fin < 0 ? body : body.left(fin);
    return premiere.count(';') >= 4;
}

Resultat Download(HttpClient& http, Dialogs& dialogs, const QUrl& URL, const QString& SaveAs) {
    const HttpResult r = http.get(URL, TailleMax);
    if (r.body.isEmpty()) {
        dialogs.notice(MessagePasDAcces);
        return Resultat::PasDAcces;
    }
    if (!r.ok() || !estUneListe(r.body)) {
        dialogs.notice(MessageNonValide);
        return Resultat::NonValide;
    }
    const QString tmp = QFileInfo(SaveAs).dir().filePath(QStringLiteral("Temporaire.txt"));
    QString why;
    if (!TextFile::rewrite(SaveAs, tmp, r.body, &why)) {
        dialogs.notice(QStringLiteral("Impossible d'écrire le fichier ") +
                       QDir::toNativeSeparators(SaveAs) + QStringLiteral(" (") + why +
                       QStringLiteral("), l'ancienne liste est conservée"));
        return Resultat::EcritureImpossible;
    }
    return Resultat::Remplacee;
}

QString revisionFichier(const QString& path) {
    bool ok = false;
    const QStringList lignes = TextFile::readLines(path, &ok);
    if (!ok || lignes.isEmpty()) return {};
    return lignes.first().left(19);
}

void Mnu_Maj_DCF_Click(AppContext& ctx) {
    const QString cible = ctx.path(Fichier);
    Download(*ctx.http, *ctx.dialogs, Serveurs::adresse(Serveurs::liste(ctx), Serveurs::CheminListe),
             cible);
    // Compared whatever the download gave: the list on disk against the
    // revision stored at the previous update.
    const QString stockee = ctx.readStation(Keys::RevisionListe, RevisionParDefaut);
    const QString revision = revisionFichier(cible);
    if (revision == stockee)
        ctx.dialogs->notice(QStringLiteral("La liste des Cathédrales est à la derniere révision   (") +
                            revision + QStringLiteral(")"));
    else
        ctx.dialogs->notice(QStringLiteral("La liste des Cathédrales à été mise à jour ") + revision);
    ctx.writeStation(Keys::RevisionListe, revision);
}

}  // namespace ListeDcf
