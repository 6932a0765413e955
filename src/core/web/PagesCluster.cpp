#include "core/web/PagesCluster.h"

#include <array>
#include <utility>

namespace PagesCluster {

namespace {

// Entry text and band code (the wavelength in metres for a single band).
const std::array<std::pair<const char*, const char*>, 13> kBandes = {{
    {"All HF", "euhf"},
    {"1.8 Mhz", "160"},
    {"3.5 Mhz", "80"},
    {"7.0 Mhz", "40"},
    {"10 Mhz", "30"},
    {"14 Mhz", "20"},
    {"18 Mhz", "17"},
    {"21 Mhz", "15"},
    {"24 Mhz", "12"},
    {"28 Mhz", "10"},
    {"50 Mhz", "6"},
    {"144 Mhz", "2"},
    {"All VHF", "euvhf"},
}};

}  // namespace

QStringList entrees() {
    QStringList l;
    for (const auto& b : kBandes) l.append(QString::fromLatin1(b.first));
    return l;
}

QString codeBande(int index) {
    if (index < 0 || index >= static_cast<int>(kBandes.size())) return {};
    return QString::fromLatin1(kBandes[static_cast<size_t>(index)].second);
}

QString page(int index) {
    const QString code = codeBande(index);
    if (code.isEmpty()) return {};
    if (code == QLatin1String("euhf")) return QStringLiteral("/euhfcw.html");
    if (code == QLatin1String("euvhf")) return QStringLiteral("/euvhfcw.html");
    return QStringLiteral("/ww") + code + QStringLiteral("cw.html");
}

}  // namespace PagesCluster
