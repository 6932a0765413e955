#include "ui/ExportAdif.h"

#include <QFileInfo>

#include "core/adif/Adif.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "platform/Dialogs.h"
#include "ui/AppContext.h"

namespace ExportAdif {

bool exporter(AppContext& ctx) {
    ctx.carnetAJour();
    if (!ctx.carnet->present()) {
        // An export of nothing would pass for an empty log.
        ctx.dialogs->notice(QStringLiteral("Impossible de lire le log ") + QFileInfo(ctx.carnet->chemin()).fileName());
        return false;
    }
    const QString nom = Adif::nomFichier(ctx.station);
    if (!TextFile::rewrite(ctx.path(nom), Adif::fichier(ctx.station, *ctx.carnet))) {
        ctx.dialogs->notice(QStringLiteral("Impossible d'enregistrer le fichier ") + nom);
        return false;
    }
    ctx.dialogs->notice(QStringLiteral("Le fichier a été enregistré sous le nom : ") + nom);
    return true;
}

}  // namespace ExportAdif
