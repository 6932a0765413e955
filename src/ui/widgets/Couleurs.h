#pragma once
#include <QColor>

class QWidget;

// The two field colours of the entry form.
namespace Couleurs {
inline const QColor JauneClair(255, 255, 192);  // done, or at rest
inline const QColor VertClair(192, 255, 192);   // the field to fill next
inline const QColor Blanc(255, 255, 255);

// Background of an entry control, kept while it is disabled.
void fond(QWidget* w, const QColor& c);
QColor fond(const QWidget* w);
// Disabled and light yellow: a field not open for entry.
void ferme(QWidget* w);
}  // namespace Couleurs
