// libFuzzer target for the ADIF record builder: any log line gives one
// record ending in <eor>, each field's count equal to its value's length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/adif/Adif.h"
#include "core/journal/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString ligne = TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QString r = Adif::enregistrement(ligne);
    if (!r.endsWith(QLatin1String("<eor>"))) std::abort();
    // "<NAME:n>" then n characters, then " <" or the end mark.
    qsizetype p = 0;
    while (p < r.size() - 5) {
        if (r[p] == QLatin1Char(' ')) ++p;
        const qsizetype deux = r.indexOf(QLatin1Char(':'), p), ferme = r.indexOf(QLatin1Char('>'), deux);
        if (r[p] != QLatin1Char('<') || deux < 0 || ferme < 0) std::abort();
        bool ok = false;
        const qsizetype n = r.mid(deux + 1, ferme - deux - 1).toLongLong(&ok);
        if (!ok || n < 0 || ferme + 1 + n > r.size() - 5) std::abort();
        p = ferme + 1 + n;
    }
    if (p != r.size() - 5) std::abort();
    return 0;
}
