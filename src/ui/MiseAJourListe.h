#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>

struct AppContext;
class Dialogs;
class HttpClient;

// Fetching a newer reference list Liste_DCF.csv and reporting its revision.
namespace ListeDcf {

inline const QString Fichier = QStringLiteral("Liste_DCF.csv");
inline const QString RevisionParDefaut = QStringLiteral("Rev 000 du 01/01/12");
inline const QString MessagePasDAcces = QStringLiteral("Attention pas d'acces à Internet");
inline const QString MessageNonValide =
    QStringLiteral("La liste reçue n'est pas valide, l'ancienne liste est conservée");
constexpr qint64 TailleMax = 5 * 1024 * 1024;

enum class Resultat { Remplacee, PasDAcces, NonValide, EcritureImpossible };

// A body is taken as a list when its first line holds at least four ";".
bool estUneListe(const QByteArray& body);

// Fetches URL and writes the body over SaveAs, through a temporary file,
// when it is a whole list; otherwise SaveAs stays as it was and the
// operator is told why.
Resultat Download(HttpClient& http, Dialogs& dialogs, const QUrl& URL, const QString& SaveAs);

// The first 19 characters of the file's first line; empty when unreadable.
QString revisionFichier(const QString& path);

// Menu "Mise à jour de la liste DCF": download, then compare the revision on
// disk with the one stored for the station, tell the operator, store it.
void Mnu_Maj_DCF_Click(AppContext& ctx);

}  // namespace ListeDcf
