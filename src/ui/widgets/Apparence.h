#pragma once
#include <QFont>
#include <QPixmap>

// The look of the main window.
namespace Apparence {

// The log list's fixed-pitch font: "Letter Gothic" when installed, else the
// system's fixed-pitch font.
QFont policeListe();

// The cathedral drawn at the top left of the main window.
QPixmap imageCathedrale();

}  // namespace Apparence
