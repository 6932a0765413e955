#pragma once
#include <QByteArray>
#include <QString>

// The reference list Liste_DCF.csv as a whole: whether some bytes are a list
// at all, and which revision they carry.
namespace ListeReference {

inline const QString Fichier = QStringLiteral("Liste_DCF.csv");
inline const QString RevisionParDefaut = QStringLiteral("Rev 000 du 01/01/12");
// Fewer reference lines than this is an error page or a truncated file, not a list.
constexpr int LignesMin = 20;
// Far above a real list; a larger body or file is not one.
constexpr qint64 TailleMax = 5 * 1024 * 1024;

// A list starts with "Rev nnn du JJ/MM/AA", holds no NUL byte and at least
// LignesMin lines "DCF-nnn;" or "DBF-nnnB;" with four ";" or more. Other
// lines are allowed: the lookup passes over them.
bool estUneListe(const QByteArray& octets);

// The first 19 characters of the first line (Windows-1252), CR LF left out.
QString revision(const QByteArray& octets);
// The same read from a file; empty when it cannot be read.
QString revisionFichier(const QString& path);

}  // namespace ListeReference
