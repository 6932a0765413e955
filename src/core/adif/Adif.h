#pragma once
#include <QByteArrayList>
#include <QString>
#include <QStringList>

class Carnet;

// The log as an ADIF file: six header lines, then one record per log line.
namespace Adif {

// One record, without line end, from one log line: twelve fields in a fixed
// order, each counted in characters of its value, then <eor>. A character
// the log cannot hold comes out as "?".
QString enregistrement(const QString& ligne);

// "<callsign>_DCF.adi"
QString nomFichier(const QString& indicatif);

QStringList entete(const QString& indicatif);
// The whole file in Windows-1252 with CR LF line ends: header, then one
// record per log line.
QByteArray fichier(const QString& indicatif, const Carnet& log);

}  // namespace Adif
