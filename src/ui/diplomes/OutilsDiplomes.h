#pragma once
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include "core/diplomes/Rapport.h"

#include "ui/widgets/EnteteColonnes.h"

struct AppContext;
class Carnet;
class QAbstractItemView;
class QHBoxLayout;
class QPushButton;

// What the award windows share: reading the log, saving and printing a
// report, the fixed-pitch list font and a header lined up on list columns.
namespace OutilsDiplomes {

// The station's log, read again if it changed on disk; when it cannot be
// read, says so and gives none.
const Carnet* lireLog(AppContext& ctx);

// Writes a report into the data directory. Says "<message><name>" when it is
// written, that it could not be otherwise.
bool enregistrer(AppContext& ctx, const QString& nom, const Rapport& rapport, const QString& message);

// Prints the report in bold 9-point Courier New after the printer dialog;
// Cancel prints nothing. The printer's font is given back afterwards. The
// column header heads every page after the first. Landscape is what the
// dialog proposes, for lines too wide for a portrait page.
bool imprimer(AppContext& ctx, const Rapport& rapport, bool paysage);

// "Letter Gothic" when installed, else the system's fixed-pitch font.
QFont policeFixe(qreal points);

// The width a list needs to show lines of n characters of its fixed-pitch
// font whole, beside its scroll bar.
int largeurLignes(const QAbstractItemView* liste, const QFont& police, int n);

// The buttons under a list, spread across the window.
QHBoxLayout* rangeeBoutons(std::initializer_list<QPushButton*> boutons);

}  // namespace OutilsDiplomes
