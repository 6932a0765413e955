#include "platform/Modules.h"

#include <QCoreApplication>
#include <QLibrary>

namespace Modules {

QFunctionPointer fonction(const QString& nom, const char* symbole) {
    const QString ici = QCoreApplication::applicationDirPath();
    for (const QString& dossier :
         {ici + QStringLiteral("/" VITRALOG_MODULE_REL), ici, QStringLiteral(VITRALOG_MODULE_BUILD)}) {
        QLibrary lib(dossier + QLatin1Char('/') + nom);
        if (QFunctionPointer f = lib.resolve(symbole)) return f;
    }
    return nullptr;
}

}  // namespace Modules
