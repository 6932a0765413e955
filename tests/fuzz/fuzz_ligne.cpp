// libFuzzer target for the line layouts: any text is cut into fields, shown
// as a list line and rebuilt; a line written from fields reads them back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString texte = TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const Qso q = LigneQso::parse(texte);
    const QString affichee = LigneQso::affichage(texte, int(size % 100000));
    (void)LigneQso::parseAffichage(affichee);
    (void)LigneQso::reconstruire(affichee);
    (void)LigneQso::reconstruire(texte, true);
    // A full line of the layout survives parse, then format.
    if (texte.size() == LigneQso::Longueur && LigneQso::parse(LigneQso::format(q)).indicatif != q.indicatif)
        std::abort();
    return 0;
}
