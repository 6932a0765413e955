// libFuzzer target for the merge of confirmations: any bytes read as ADIF are
// matched against a small log holding neighbours on the same callsign and
// band; every planned line exists and is unconfirmed, and the counts agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/adif/FusionConfirmations.h"
#include "core/adif/LecteurAdif.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Carnet* log = [] {
        const auto l = [](const char* call, const char* ref, const char* date, const char* heure, const char* mode,
                          const char* bande, const char* qsl) {
            return TextFile::encode(
                LigneQso::format({call, "75", "", ref, date, heure, mode, bande, "59", "59", "C. DE PARIS", qsl}));
        };
        auto* c = new Carnet;
        c->charger(l("F5ABC", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", " ") + "\r\n" +
                   l("F5ABC", "DCF-001", "15/06/21", "14:50", "SSB", "14 Mhz", "*") + "\r\n" +
                   l("F4GHI/P", "DBF-012B", "31/12/99", "23:55", "FM", "144 Mhz", " ") + "\r\n" +
                   l("F6DEF", "DCF-002", "02/01/20", "09:15", "CW", "7.0 Mhz", " ").left(66) + "\r\n");
        return c;
    }();
    const LecteurAdif::Lecture l = LecteurAdif::lire(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!l.ok()) return 0;
    const FusionConfirmations::Plan p = FusionConfirmations::preparer(l.fichier, *log);
    for (qsizetype i : p.lignes)
        if (i < 0 || i >= log->nombre() || LigneQso::estConfirmee(log->ligne(i))) std::abort();
    if (p.sansQso + p.ambigus != p.refus.size() || p.sansConfirmation > l.fichier.nombre()) std::abort();
    (void)FusionConfirmations::apercu(p);
    (void)FusionConfirmations::rapport(p).lignesFichier();
    return 0;
}
