#pragma once
#include <QString>
#include <QUrl>

#include "core/liste/ListeReference.h"
#include "ui/widgets/ChoixFichier.h"

struct AppContext;
class Dialogs;
class HttpClient;

// Fetching or importing a newer reference list Liste_DCF.csv and reporting its revision.
namespace MiseAJourListe {

using ListeReference::Fichier;
using ListeReference::RevisionParDefaut;
inline const QString MessagePasDAcces = QStringLiteral("Attention pas d'acces à Internet");
inline const QString MessageNonValide =
    QStringLiteral("La liste reçue n'est pas valide, l'ancienne liste est conservée");
inline const QString MessageChoisieNonValide =
    QStringLiteral("La liste choisie n'est pas valide, l'ancienne liste est conservée");
inline const QString MessageAnnule = QStringLiteral("Téléchargement annulé, l'ancienne liste est conservée");
inline const QString TitreProgression = QStringLiteral("Téléchargement de la liste DCF…");

enum class Resultat { Remplacee, PasDAcces, NonValide, Annule, EcritureImpossible };

// Fetches `adresse` while a progress dialog offers "Annuler", and writes the
// body over `destination`, through a temporary file, when it is a whole list;
// otherwise `destination` stays as it was and the operator is told why.
Resultat telechargerListe(HttpClient& http, Dialogs& dialogs, const QUrl& adresse, const QString& destination);

// Menu "Mise à jour de la liste DCF": download; once the list is replaced,
// compare its revision with the one stored for the station, tell the
// operator, store it. A failed download stops after its message.
void mettreAJour(AppContext& ctx);

// Menu "Importer une liste DCF…": the same as a download, from a file the
// operator chooses (a file dialog unless choisir is given).
void importer(AppContext& ctx, const ChoixFichier::Choix& choisir = {});

}  // namespace MiseAJourListe
