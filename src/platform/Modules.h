#pragma once
#include <QFunctionPointer>
#include <QString>

// Libraries of the program loaded when first needed, so that start-up does
// not load what they link (the web engine, the chart library).
namespace Modules {

// A function of the module `nom`, looked for beside an installed program,
// then in the build tree; null when the module is not there. The module stays
// loaded for the rest of the run.
QFunctionPointer fonction(const QString& nom, const char* symbole);

}  // namespace Modules
