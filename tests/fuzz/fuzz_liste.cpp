// libFuzzer target for the reference list reader: the first line of the
// input is the reference looked up, the rest is Liste_DCF.csv. A row found
// never gives a value the save would refuse for its characters or width.
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/journal/TextFile.h"
#include "core/saisie/Cathedrales.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString fichier = QDir::tempPath() + QStringLiteral("/vitralog-fuzz-liste-%1.csv").arg(::getpid());
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype fin = octets.indexOf('\n');
    const QString ref = TextFile::decode(octets.left(fin < 0 ? 0 : fin));
    QFile f(fichier);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(octets.mid(fin + 1));
    f.close();
    const Cathedrales::Cathedrale c = Cathedrales::chercher(fichier, ref);
    if (c.dpt.size() > 2 || TextFile::sansControles(c.dpt) != c.dpt) std::abort();
    if (c.nom != TextFile::sansControles(c.nom)) std::abort();
    return 0;
}
