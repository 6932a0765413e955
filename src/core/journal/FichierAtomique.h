#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// One whole-file write that never leaves a half-written target: the bytes go
// to a new temporary file of a unique name beside the file ("Temporaire-
// a1B2c3.txt"), are flushed to disk and renamed over it in one step. The
// target's permission bits and owner are kept, a symlink is written at the
// file it points to and stays a link, and a read-only target is refused.
// Until commit() succeeds the target is untouched; a write that fails or is
// dropped (destroyed before commit) removes its temporary file.
//
//     FichierAtomique f;
//     if (!f.open(chemin) || !f.write(octets) || !f.commit()) montrer(f.errorText());
//
// QSaveFile has this shape but names its temporary file after the target,
// does not keep the owner and does not sync the folder; the log's promises
// (docs/reliability.md) need all three, so this type stays on the system calls.
class FichierAtomique {
public:
    FichierAtomique() = default;
    ~FichierAtomique();
    FichierAtomique(const FichierAtomique&) = delete;
    FichierAtomique& operator=(const FichierAtomique&) = delete;

    // Creates the temporary file for target. False when the target is
    // read-only, its owner cannot be kept or the folder cannot be written.
    bool open(const QString& target);
    // Appends bytes to the temporary file; after a failure every later call
    // fails and the temporary file is already gone.
    bool write(QByteArrayView bytes);
    // Flushes and renames over the target. False leaves the target as it was.
    bool commit();
    // Why the last call failed: the system's text, or one of ours.
    const QString& errorText() const { return erreur_; }

    // The file exists and is marked read-only (no write bit), or we may not write it.
    static bool readOnly(const QString& path);
    // A file size limit (ulimit -f) makes a write fail with EFBIG instead of
    // killing the program with SIGXFSZ; called once at start-up.
    static void ignorerLimiteTaille();
    // Removes from a folder the temporary files a killed writer left: only
    // regular files named as open() names them. Only safe while no writer
    // runs there (at start-up, under the data folder's lock). Gives the
    // removed names.
    static QStringList nettoyer(const QString& dossier);
    // The rename was done by the last commit(), even when it failed after it
    // (the folder could not be synced): the target then holds the new content.
    bool renomme() const { return renomme_; }

private:
    bool echec(const QString& pourquoi);
    void abandonner();

    int fd_ = -1;
    QByteArray temporaire_;  // the temporary file's name, encoded
    QByteArray reel_;        // the file the target names, links followed
    QString erreur_;
    bool renomme_ = false;
};
