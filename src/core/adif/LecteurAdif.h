#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// The reader of ADIF files in their text form: bytes in, records out, or a
// French message saying why the file cannot be read. One pass over the
// bytes; records keep offsets into them and decode a value only when asked.
namespace LecteurAdif {

// Larger files are refused before being read: a log of 99,999 QSOs exported
// by any program stays far below.
inline constexpr qint64 TailleMax = 64LL * 1024 * 1024;

class Fichier {
public:
    qsizetype nombre() const { return qsizetype(debuts_.size()) - 1; }
    // The value of the first field of that name (any case) in record i;
    // a null text when the record has no such field.
    QString valeur(qsizetype i, QByteArrayView nom) const;
    // The same as bytes, undecoded, for values in plain ASCII (flags, dates,
    // callsigns) read in bulk; null when the field is missing.
    QByteArrayView brut(qsizetype i, QByteArrayView nom) const;
    // UTF-8 when the whole file is valid UTF-8 and not plain ASCII,
    // Windows-1252 otherwise.
    bool utf8() const { return utf8_; }
    // What comes before <EOH>, free text and header fields as written; empty
    // without a header. It says which program or service wrote the file.
    QString entete() const;

private:
    friend struct Analyse;
    struct Champ {
        qsizetype nom, nomTaille, valeur, valeurTaille;
    };
    QByteArray octets_;
    bool utf8_ = false;
    std::vector<Champ> champs_;
    qsizetype enteteTaille_ = 0;        // from the start of octets_
    std::vector<qsizetype> debuts_{0};  // record i owns champs_[debuts_[i], debuts_[i + 1])
};

struct Lecture {
    Fichier fichier;
    QString erreur;  // empty when the file was read
    bool ok() const { return erreur.isEmpty(); }
};

Lecture lire(const QByteArray& octets);
// The same from a file, refused past TailleMax.
Lecture lireFichier(const QString& chemin);

}  // namespace LecteurAdif
