#include "export/ExportAdif.h"

#include <QFileInfo>

#include "app/AppContext.h"
#include "export/Adif.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"

namespace ExportAdif {

bool Mnu_ADIF_Click(AppContext& ctx) {
    bool lu = false;
    const QString log = ctx.logPath();
    const QByteArrayList lignes = TextFile::readRawLines(log, &lu);
    if (!lu) {
        // An export of nothing would pass for an empty log.
        ctx.dialogs->notice(QStringLiteral("Impossible de lire le log ") + QFileInfo(log).fileName());
        return false;
    }
    const QString nom = Adif::nomFichier(ctx.station);
    if (!TextFile::rewrite(ctx.path(nom), ctx.path(QStringLiteral("Temporaire.txt")),
                           TextFile::joinRawLines(Adif::fichier(ctx.station, lignes)))) {
        ctx.dialogs->notice(QStringLiteral("Impossible d'enregistrer le fichier ") + nom);
        return false;
    }
    ctx.dialogs->notice(QStringLiteral("Le fichier a été enregistré sous le nom : ") + nom);
    return true;
}

}  // namespace ExportAdif
