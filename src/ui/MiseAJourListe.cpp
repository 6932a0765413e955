#include "ui/MiseAJourListe.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

#include "core/Reglages.h"
#include "core/journal/TextFile.h"
#include "platform/Dialogs.h"
#include "platform/HttpClient.h"
#include "ui/AppContext.h"
#include "ui/web/Serveurs.h"

namespace MiseAJourListe {

namespace {

// The transfer runs on the event loop while a modal progress dialog keeps
// the operator's hands off the rest of the program, "Annuler" aside.
HttpResult telecharger(HttpClient& http, const QUrl& url) {
    const std::unique_ptr<HttpTransfert> t = http.start(url, ListeReference::TailleMax);
    if (t->estTermine()) return t->resultat();

    QProgressDialog progres(TitreProgression, QStringLiteral("Annuler"), 0, 0, QApplication::activeWindow());
    progres.setObjectName(QStringLiteral("progressionListe"));
    progres.setWindowTitle(QStringLiteral("Vitralog"));
    progres.setWindowModality(Qt::ApplicationModal);
    progres.setMinimumDuration(300);
    progres.setAutoReset(false);
    progres.setAutoClose(false);
    progres.setValue(0);  // starts the delay before it shows, even if no byte ever comes
    QEventLoop loop;
    QObject::connect(t.get(), &HttpTransfert::progression, &progres, [&progres](qint64 recus, qint64 total) {
        // Kilobytes keep the counts within an int.
        if (total <= 0) return;  // the dialog stays a busy indicator
        progres.setMaximum(int(total / 1024) + 1);
        progres.setValue(int(recus / 1024));
    });
    QObject::connect(&progres, &QProgressDialog::canceled, t.get(), &HttpTransfert::annuler);
    // Escape only hides the dialog: the transfer must not go on unseen.
    QObject::connect(&progres, &QDialog::rejected, t.get(), &HttpTransfert::annuler);
    QObject::connect(t.get(), &HttpTransfert::termine, &loop, &QEventLoop::quit);
    loop.exec();
    return t->resultat();
}

bool pageHtml(const QByteArray& contentType) {
    return contentType.split(';').first().trimmed().toLower() == "text/html";
}

// Writes the list over the target through the atomic rewrite.
Resultat ecrire(Dialogs& dialogs, const QString& cible, const QByteArray& liste) {
    QString why;
    if (!TextFile::rewrite(cible, liste, &why)) {
        dialogs.notice(QStringLiteral("Impossible d'écrire le fichier ") + QDir::toNativeSeparators(cible) +
                       QStringLiteral(" (") + why + QStringLiteral("), l'ancienne liste est conservée"));
        return Resultat::EcritureImpossible;
    }
    return Resultat::Remplacee;
}

// The list on disk was just replaced: its revision against the one stored
// at the previous update.
void annoncerRevision(AppContext& ctx) {
    const QString stockee = ctx.readStation(Reglages::RevisionListe, RevisionParDefaut);
    const QString revision = ListeReference::revisionFichier(ctx.path(Fichier));
    if (revision == stockee)
        ctx.dialogs->notice(QStringLiteral("La liste des Cathédrales est à la derniere révision   (") + revision +
                            QStringLiteral(")"));
    else
        ctx.dialogs->notice(QStringLiteral("La liste des Cathédrales à été mise à jour ") + revision);
    ctx.writeStation(Reglages::RevisionListe, revision);
}

}  // namespace

Resultat telechargerListe(HttpClient& http, Dialogs& dialogs, const QUrl& adresse, const QString& destination) {
    const HttpResult r = telecharger(http, adresse);
    if (r.cancelled) {
        dialogs.notice(MessageAnnule);
        return Resultat::Annule;
    }
    if (r.body.isEmpty()) {
        dialogs.notice(MessagePasDAcces);
        return Resultat::PasDAcces;
    }
    // An error page or a portal's HTML is never a list, whatever its text.
    if (!r.ok() || pageHtml(r.contentType) || !ListeReference::estUneListe(r.body)) {
        dialogs.notice(MessageNonValide);
        return Resultat::NonValide;
    }
    return ecrire(dialogs, destination, r.body);
}

void mettreAJour(AppContext& ctx) {
    const QUrl url = Serveurs::adresse(Serveurs::liste(ctx), Serveurs::CheminListe);
    if (telechargerListe(*ctx.http, *ctx.dialogs, url, ctx.path(Fichier)) != Resultat::Remplacee) return;
    annoncerRevision(ctx);
}

void importer(AppContext& ctx, const ChoixFichier::Choix& choisir) {
    const QString chemin =
        (choisir ? choisir
                 : ChoixFichier::dialogue(QStringLiteral("Importer une liste DCF"),
                                          QStringLiteral("Listes DCF (*.csv *.txt);;Tous les fichiers (*)")))(
            QApplication::activeWindow(), QDir::homePath());
    if (chemin.isEmpty()) return;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        ctx.dialogs->notice(QStringLiteral("Impossible de lire le fichier ") + QDir::toNativeSeparators(chemin) +
                            QStringLiteral(" (") + f.errorString() +
                            QStringLiteral("), l'ancienne liste est conservée"));
        return;
    }
    // One byte past the limit is enough to tell a file too large for a list.
    const QByteArray octets = f.read(ListeReference::TailleMax + 1);
    if (octets.size() > ListeReference::TailleMax || !ListeReference::estUneListe(octets)) {
        ctx.dialogs->notice(MessageChoisieNonValide);
        return;
    }
    if (ecrire(*ctx.dialogs, ctx.path(Fichier), octets) != Resultat::Remplacee) return;
    annoncerRevision(ctx);
}

}  // namespace MiseAJourListe
