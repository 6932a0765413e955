#pragma once
#include <QString>

#include "core/Reglages.h"
#include "core/Version.h"
#include "core/diplomes/CarteLogic.h"

// Texts of the program shown in more than one place.
namespace Textes {

// The main window's caption.
inline QString legende() {
    return QStringLiteral("Vitralog   Diplome des Cathédrales de France Revision ") + Version::Revision;
}

// "A Propos": revision, what the program is, and the map's credit.
inline QString aPropos() {
    return QStringLiteral("Vitralog  Révision ") + Version::Revision +
           QStringLiteral("\r\n\r\nCarnet de trafic du Diplôme des Cathédrales de France\r\n") +
           CarteLogic::Attribution;
}

}  // namespace Textes
