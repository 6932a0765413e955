#include "core/adif/LecteurAdif.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>

#include "core/journal/TextFile.h"

namespace LecteurAdif {

namespace {

bool chiffre(char c) { return c >= '0' && c <= '9'; }

// Field names hold neither blanks nor the characters that delimit a tag.
constexpr std::array<bool, 256> kNom = [] {
    std::array<bool, 256> t{};
    for (int u = 0x21; u < 0x100; ++u) t[size_t(u)] = u != 0x7F;
    for (char c : {':', '<', '>', ',', '{', '}'}) t[size_t(c)] = false;
    return t;
}();
bool caractereDeNom(char c) { return kNom[static_cast<unsigned char>(c)]; }

bool blanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool egal(const char* a, qsizetype n, const char* b) { return qstrnicmp(a, n, b, qsizetype(std::strlen(b))) == 0; }

// Valid UTF-8 (no overlong forms, no surrogates); *ascii when all bytes are below 0x80.
bool utf8Valide(const unsigned char* s, qsizetype n, bool* ascii) {
    *ascii = true;
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        *ascii = false;
        int suite;
        unsigned min;
        unsigned cp;
        if ((c & 0xE0) == 0xC0)
            suite = 1, min = 0x80, cp = c & 0x1F;
        else if ((c & 0xF0) == 0xE0)
            suite = 2, min = 0x800, cp = c & 0x0F;
        else if ((c & 0xF8) == 0xF0)
            suite = 3, min = 0x10000, cp = c & 0x07;
        else
            return false;
        if (n - i <= suite) return false;
        for (int k = 1; k <= suite; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += suite + 1;
    }
    return true;
}

int longueurSequence(unsigned char c) {
    if (c < 0xC0) return 1;
    if (c < 0xE0) return 2;
    if (c < 0xF0) return 3;
    return 4;
}

QString nomLisible(const char* s, qsizetype n) { return QString::fromLatin1(s, n).toUpper(); }

}  // namespace

struct Analyse {
    static Lecture lire(const QByteArray& octets);
};

QByteArrayView Fichier::brut(qsizetype i, QByteArrayView nom) const {
    if (i < 0 || i >= nombre()) return {};
    const char* d = octets_.constData();
    for (qsizetype k = debuts_[size_t(i)]; k < debuts_[size_t(i) + 1]; ++k) {
        const Champ& c = champs_[size_t(k)];
        if (qstrnicmp(d + c.nom, c.nomTaille, nom.data(), nom.size()) == 0) return {d + c.valeur, c.valeurTaille};
    }
    return {};
}

QString Fichier::valeur(qsizetype i, QByteArrayView nom) const {
    const QByteArrayView v = brut(i, nom);
    if (v.isNull()) return {};
    if (v.isEmpty()) return QStringLiteral("");
    if (utf8_) return QString::fromUtf8(v);
    return TextFile::decode(QByteArray::fromRawData(v.data(), v.size()));
}

QString Fichier::entete() const {
    const QByteArray b = QByteArray::fromRawData(octets_.constData(), enteteTaille_);
    return utf8_ ? QString::fromUtf8(b) : TextFile::decode(b);
}

Lecture Analyse::lire(const QByteArray& octets) {
    Lecture r;
    Fichier& f = r.fichier;
    f.octets_ = octets;
    const char* d = f.octets_.constData();
    const qsizetype n = f.octets_.size();
    qsizetype p = 0;
    if (n >= 3 && std::memcmp(d, "\xEF\xBB\xBF", 3) == 0) p = 3;
    if (std::memchr(d, 0, size_t(n))) {
        r.erreur = QStringLiteral("Ce fichier n'est pas un fichier texte : ce n'est pas un fichier ADIF.");
        return r;
    }
    bool ascii = true;
    f.utf8_ = utf8Valide(reinterpret_cast<const unsigned char*>(d + p), n - p, &ascii) && !ascii;
    f.champs_.reserve(size_t(n / 16));
    f.debuts_.reserve(size_t(n / 200 + 2));
    bool entete = false;

    // Where a value ends when the next tag (or the end of the file) follows it.
    const auto suiviDUnTag = [&](qsizetype fin) {
        while (fin < n && blanc(d[fin])) ++fin;
        return fin == n || d[fin] == '<';
    };

    while (p < n) {
        const void* lt = std::memchr(d + p, '<', size_t(n - p));
        if (!lt) break;
        p = static_cast<const char*>(lt) - d + 1;
        const qsizetype nom = p;
        while (p < n && caractereDeNom(d[p])) ++p;
        const qsizetype nomTaille = p - nom;
        if (nomTaille == 0 || p >= n) continue;
        if (d[p] == '>') {
            ++p;
            if (egal(d + nom, nomTaille, "EOR")) {
                f.debuts_.push_back(qsizetype(f.champs_.size()));
            } else if (egal(d + nom, nomTaille, "EOH")) {
                // Whatever came before was the header.
                f.champs_.resize(size_t(f.debuts_.back()));
                if (f.nombre() == 0) f.enteteTaille_ = nom - 1;
                entete = true;
            }
            continue;
        }
        if (d[p] != ':') continue;
        const qsizetype chiffres = ++p;
        qint64 longueur = 0;
        while (p < n && chiffre(d[p]) && p - chiffres < 12) longueur = longueur * 10 + (d[p++] - '0');
        if (p == chiffres || p >= n) continue;
        if (d[p] == ':') {  // the data type, ignored
            ++p;
            while (p < n && caractereDeNom(d[p])) ++p;
        }
        if (p >= n || d[p] != '>') continue;
        ++p;
        qint64 fin = p + longueur;
        // Lengths count bytes; some programs count the characters of a UTF-8
        // value instead, which shows as a value that runs into the next tag.
        if (f.utf8_ && (fin > n || !suiviDUnTag(qsizetype(fin)))) {
            qsizetype i = p;
            for (qint64 k = 0; k < longueur && i < n; ++k) i += longueurSequence(static_cast<unsigned char>(d[i]));
            if (i <= n && suiviDUnTag(i)) fin = i;
        }
        if (fin > n) {
            r.erreur = QStringLiteral(
                           "Le champ <%1> annonce %2 caractères, au-delà de la fin du fichier : "
                           "le fichier est incomplet ou abîmé.")
                           .arg(nomLisible(d + nom, nomTaille))
                           .arg(longueur);
            return r;
        }
        f.champs_.push_back({nom, nomTaille, p, qsizetype(fin - p)});
        p = qsizetype(fin);
    }
    if (qsizetype(f.champs_.size()) > f.debuts_.back()) {
        r.erreur = f.nombre() == 0 && !entete ? QStringLiteral(
                                                    "Ce fichier ne contient aucune fin d'enregistrement <EOR> : "
                                                    "ce n'est pas un fichier ADIF.")
                                              : QStringLiteral(
                                                    "Le fichier se termine au milieu d'un enregistrement, sans <EOR> : "
                                                    "il est incomplet.");
        return r;
    }
    if (f.nombre() == 0 && !entete)
        r.erreur = QStringLiteral(
            "Ce fichier n'est pas un fichier ADIF : il ne contient ni en-tête <EOH> "
            "ni enregistrement <EOR>.");
    return r;
}

Lecture lire(const QByteArray& octets) { return Analyse::lire(octets); }

Lecture lireFichier(const QString& chemin) {
    const QString nom = QFileInfo(chemin).fileName();
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        Lecture r;
        r.erreur = QStringLiteral("Impossible de lire le fichier ") + nom;
        return r;
    }
    // Read one byte past the limit: the size a special file announces may be 0.
    const QByteArray octets = f.read(TailleMax + 1);
    if (octets.size() > TailleMax) {
        Lecture r;
        r.erreur = QStringLiteral("Le fichier ") + nom +
                   QStringLiteral(" dépasse 64 Mo : ce n'est pas un journal ADIF qui puisse être importé.");
        return r;
    }
    if (f.error() != QFileDevice::NoError) {
        Lecture r;
        r.erreur = QStringLiteral("Impossible de lire le fichier ") + nom;
        return r;
    }
    return lire(octets);
}

}  // namespace LecteurAdif
