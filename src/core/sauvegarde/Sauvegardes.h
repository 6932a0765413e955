#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Verified copies of a station's files in a backup folder. One backup is the
// log's copy "F5XYZ_DCF_2026-12-07_093015.log" and, beside it, the other
// files under the same stem ("F5XYZ_DCF_2026-12-07_093015_Liste_Prenom.txt");
// two in the same second get "-2", "-3"… and never replace each other. Every
// copy is written through FichierAtomique and read back before it counts.
// The session's own rules (before the first change of a day, at quit after a
// change, one message per session) are kept here too, with the time given.
class Sauvegardes {
public:
    // Where and what: the folder, whether we may create it (our own
    // "Sauvegardes" yes; a folder the user chose, perhaps an unplugged
    // stick, no), the station and the other files to copy with the log.
    struct Lieu {
        QString dossier;
        bool creer = true;
        QString station;
        QStringList autres;
    };
    struct Copie {
        QString chemin;  // the log's copy
        QDateTime quand;
        int rang = 1;  // 2 for the "-2" of a same second
    };

    static constexpr int Dernieres = 10;  // kept whatever their date
    static constexpr int Mois = 12;       // plus the last of each of these months

    // Copies the log (these bytes) and the other files (as they are on
    // disk; a missing one is skipped), then removes what the retention no
    // longer keeps. Empty when done, else "Sauvegarde impossible dans … : …";
    // on failure nothing older is removed. *chemin gets the log's copy.
    static QString sauvegarder(const Lieu& lieu, const QByteArray& log, const QDateTime& quand,
                               QString* chemin = nullptr);
    // The station's backups, newest first.
    static QList<Copie> lister(const QString& dossier, const QString& station);
    // Lines of a log file, as the log object counts them; -1 when unreadable.
    static qsizetype compterQso(const QString& chemin);
    // Of backups newest first, those the retention drops at that date.
    static QList<int> aRetirer(const QList<Copie>& copies, const QDate& aujourdhui);
    // What a killed backup left in a backup folder: the atomic writer's
    // temporary files and the other files of a backup without its log's
    // copy. Only safe while no backup runs there (at start-up, under the
    // lock of the data folder holding it). Gives the removed names.
    static QStringList nettoyer(const QString& dossier);

    // Just before a change: the log as it is, unless that day already has a
    // backup. Then the session has a change to back up at quit.
    void avantModification(const Lieu& lieu, const QByteArray& log, const QDateTime& maintenant);
    // At quit: the log as it is, after a change of this session.
    void aLaFermeture(const Lieu& lieu, const QByteArray& log, const QDateTime& maintenant);
    // The session's first failure, once; empty afterwards and when none.
    QString messageAMontrer();

private:
    void noter(const QString& message);
    bool modifie_ = false;
    bool signale_ = false;
    QString message_;
};
