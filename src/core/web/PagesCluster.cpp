#include "core/web/PagesCluster.h"

#include <utility>
#include <vector>

#include "core/Bandes.h"

namespace PagesCluster {

namespace {

// "All HF", the single bands, "All VHF": entry text and band code.
std::vector<std::pair<QString, QString>> table() {
    std::vector<std::pair<QString, QString>> t;
    t.emplace_back(QStringLiteral("All HF"), QStringLiteral("euhf"));
    for (const Bandes::Bande& b : Bandes::Table)
        if (*b.cluster) t.emplace_back(QString::fromLatin1(b.texte), QString::fromLatin1(b.cluster));
    t.emplace_back(QStringLiteral("All VHF"), QStringLiteral("euvhf"));
    return t;
}

const std::vector<std::pair<QString, QString>>& kBandes() {
    static const auto t = table();
    return t;
}

}  // namespace

QStringList entrees() {
    QStringList l;
    for (const auto& b : kBandes()) l.append(b.first);
    return l;
}

QString codeBande(int index) {
    if (index < 0 || index >= static_cast<int>(kBandes().size())) return {};
    return kBandes()[static_cast<size_t>(index)].second;
}

QString page(int index) {
    const QString code = codeBande(index);
    if (code.isEmpty()) return {};
    if (code == QLatin1String("euhf")) return QStringLiteral("/euhfcw.html");
    if (code == QLatin1String("euvhf")) return QStringLiteral("/euvhfcw.html");
    return QStringLiteral("/ww") + code + QStringLiteral("cw.html");
}

}  // namespace PagesCluster
