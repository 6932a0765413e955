#pragma once
#include <QString>
#include <QStringList>
#include <array>

// The one table of bands: the text the log stores (list order of the band
// box), the ADIF band, the cluster page's band code and the range in kHz
// that a spot or an ADIF frequency falls in.
namespace Bandes {

struct Bande {
    const char* texte;    // as stored in the log, "14 Mhz"
    const char* adif;     // "20m"
    const char* cluster;  // band code of the cluster page, empty when none
    double kHzMin, kHzMax;
    bool liste;  // offered in the band box
};

inline constexpr std::array<Bande, 12> Table = {{
    {"1.8 Mhz", "160m", "160", 1800, 2000, true},
    {"3.5 Mhz", "80m", "80", 3500, 4000, true},
    {"7.0 Mhz", "40m", "40", 7000, 7300, true},
    {"10 Mhz", "30m", "30", 10100, 10150, true},
    {"14 Mhz", "20m", "20", 14000, 14350, true},
    {"18 Mhz", "17m", "17", 18068, 18168, true},
    {"21 Mhz", "15m", "15", 21000, 21450, true},
    {"24 Mhz", "12m", "12", 24890, 24990, true},
    {"28 Mhz", "10m", "10", 28000, 29700, true},
    {"50 Mhz", "6m", "6", 50000, 54000, true},
    {"144 Mhz", "2m", "2", 144000, 148000, true},
    // Exported when a log holds it, never offered.
    {"432 Mhz", "70cm", "", 420000, 450000, false},
}};

// The band box's items, in order.
inline QStringList textesListe() {
    QStringList l;
    for (const Bande& b : Table)
        if (b.liste) l.append(QString::fromLatin1(b.texte));
    return l;
}

// The entry of a band text as the log stores it, nullptr when none.
inline const Bande* parTexte(QStringView texte) {
    for (const Bande& b : Table)
        if (texte == QLatin1String(b.texte)) return &b;
    return nullptr;
}

// The entry of an ADIF band, any case ("20M"), nullptr when none.
inline const Bande* parAdif(QStringView adif) {
    for (const Bande& b : Table)
        if (adif.compare(QLatin1String(b.adif), Qt::CaseInsensitive) == 0) return &b;
    return nullptr;
}

// The entry whose range holds a frequency in kHz, nullptr when none.
inline const Bande* parFrequence(double kHz) {
    for (const Bande& b : Table)
        if (kHz >= b.kHzMin && kHz <= b.kHzMax) return &b;
    return nullptr;
}

}  // namespace Bandes
