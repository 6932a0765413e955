// libFuzzer target for the first-name reader: the first line of the input is
// the callsign, the rest is Liste_Prenom.txt. A first name found always fits
// its 15 columns and holds no control character.
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/journal/TextFile.h"
#include "core/saisie/Prenoms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString fichier = QDir::tempPath() + QStringLiteral("/vitralog-fuzz-prenoms-%1.txt").arg(::getpid());
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype fin = octets.indexOf('\n');
    const QString indicatif = TextFile::decode(octets.left(fin < 0 ? 0 : fin));
    QFile f(fichier);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(octets.mid(fin + 1));
    f.close();
    const Prenoms::Trouve t = Prenoms::chercher(fichier, indicatif);
    if (t.prenom.size() > 15 || TextFile::sansControles(t.prenom) != t.prenom) std::abort();
    return 0;
}
