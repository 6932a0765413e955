// libFuzzer target for the log reader: any bytes are read as lines, every
// line and column handed out lies inside the buffer, and the lookups that
// scan the log never crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/journal/Carnet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    Carnet c;
    c.charger(octets);
    qsizetype total = 0;
    for (qsizetype i = 0; i < c.nombre(); ++i) {
        const QByteArrayView l = c.ligne(i);
        if (l.data() < c.octets().constData() || l.data() + l.size() > c.octets().constData() + c.octets().size())
            std::abort();
        total += l.size();
        (void)c.champ(i, LigneQso::Champ::Reference);
        (void)LigneQso::estConfirmee(l);
        (void)LigneQso::horodatage(l);
        (void)c.texte(i);
    }
    if (total > octets.size()) std::abort();
    (void)c.dejaContacte(QStringLiteral("DCF-001"), QStringLiteral("14 Mhz"));
    return 0;
}
