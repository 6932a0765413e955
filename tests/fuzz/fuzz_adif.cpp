// libFuzzer target for the ADIF reader: any bytes give records or a message,
// never a crash, and every value of every record can be read back.
#include <cstddef>
#include <cstdint>

#include "core/adif/ImportAdif.h"
#include "core/adif/LecteurAdif.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    const LecteurAdif::Lecture l = LecteurAdif::lire(octets);
    if (!l.ok()) return 0;
    for (qsizetype i = 0; i < l.fichier.nombre(); ++i) {
        for (const char* nom : {"CALL", "QSO_DATE", "TIME_ON", "BAND", "FREQ", "MODE", "NAME", "STATE"})
            (void)l.fichier.valeur(i, nom);
        (void)ImportAdif::reference(l.fichier, i);
    }
    return 0;
}
