#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "core/journal/HistoriqueModifications.h"
#include "core/journal/LigneQso.h"

// One station's log file. It is read once into one buffer of bytes with the
// offsets of its lines, and every reader takes its lines and columns from
// there: nothing decodes or splits the whole file. Every change goes through
// here, is checked here, and is written through the atomic rewrite.
class Carnet : public QObject {
    Q_OBJECT
public:
    // The entry fields, in the order the save checks them.
    enum Champ { Indicatif, Prenom, Ref, Dpt, Date, Heure, Mode, Bande, RstR, RstE, Nom, Aucun = -1 };

    struct Resultat {
        enum Etat { Fait, Refuse, EchecEcriture } etat = Fait;
        QString message;      // what to tell the operator; empty when done
        Champ champ = Aucun;  // the refused field
        bool fait() const { return etat == Fait; }
    };

    explicit Carnet(QObject* parent = nullptr);

    // Reads the file; a missing file reads as an empty log. False when it
    // exists but cannot be read: the log is then empty and no write is allowed.
    bool ouvrir(const QString& chemin);
    // Reads the file again when it changed on disk since the last read or write.
    bool actualiser();
    // The log from bytes already in memory, as ouvrir reads them (no file).
    void charger(const QByteArray& octets);
    const QString& chemin() const { return chemin_; }
    bool lisible() const { return lisible_; }
    // The file existed and was read at the last read.
    bool present() const { return lisible_ && taille_ >= 0; }

    qsizetype nombre() const { return qsizetype(lignes_.size()); }
    // A line without its end; empty past the last line.
    QByteArrayView ligne(qsizetype i) const;
    // A field of a line, its width or fewer bytes on a short line.
    QByteArrayView champ(qsizetype i, LigneQso::Champ c) const;
    QString texte(qsizetype i) const;
    const QByteArray& octets() const { return octets_; }

    // The save's check: every field, the characters the log can hold and,
    // for a new QSO, the cap. Refuse names the field.
    Resultat verifier(const Qso& q, bool nouveau) const;
    // What a save writes: first name in capitals; the cathedral's name
    // without outer blanks, in capitals, cut to its width.
    static Qso normaliser(Qso q);

    // Each checks, writes the whole log through the atomic rewrite and
    // reloads; on failure the file and the buffer are as they were.
    Resultat ajouterEnFin(const Qso& q);
    // Before the first QSO at or after it; at the end otherwise.
    Resultat insererParDate(const Qso& q);
    // The stored line a list line shows: every identical line changes. With
    // none, the new line is appended.
    Resultat remplacer(const QString& ligneAffichee, const Qso& q);
    // Several new QSOs in one rewrite, each placed by date and time; QSOs of
    // the same minute keep the order given. Refused whole when one is.
    Resultat insererLot(const QList<Qso>& qsos);
    Resultat supprimer(const QString& ligneAffichee);

    // The date (JJ/MM/AA) of the first QSO with this reference (outer blanks
    // ignored) on this band (as it stands).
    std::optional<QString> dejaContacte(const QString& ref, const QString& bande) const;

    // The changes of this session, newest last, can be taken back one by
    // one: at most MaxAnnulations, and what they keep stays under
    // PlafondAnnulations bytes (only the bytes a change replaced are kept).
    static constexpr int MaxAnnulations = HistoriqueModifications::Max;
    static constexpr qsizetype PlafondAnnulations = HistoriqueModifications::Plafond;
    qsizetype annulationsPossibles() const { return historique_.nombre(); }
    qsizetype memoireAnnulations() const { return historique_.memoire(); }
    // What the last change was ("suppression de F5ABC DCF-018"); empty when none.
    QString derniereModification() const { return historique_.derniere(); }
    // "Annuler la suppression de F5ABC DCF-018 ?"
    static QString questionAnnulation(const QString& modification);
    // Puts the log back exactly as it was before the last change, through the
    // atomic rewrite. Refused, and every change then kept forgotten, when the
    // file changed on disk since our last write: nothing we did not write is
    // overwritten.
    Resultat annuler();
    // The whole log replaced by these bytes (a backup brought back); it can be
    // taken back like any change.
    Resultat restaurer(const QByteArray& octets, const QString& modification);

    // A read-only log gets its own message.
    static QString messageEcriture(const QString& fichier, bool lectureSeule = false);
    // A new QSO past LigneQso::MaxQso.
    static QString messagePlafond();

signals:
    void modifie();
    // Just before a change is written, with the log as it is on disk.
    void avantModification(const QByteArray& octets);

private:
    using Span = std::pair<qsizetype, qsizetype>;  // start, length
    Resultat ecrire(const std::vector<QByteArrayView>& lignes, const QString& modification);
    // Writes these bytes as the new log; a named change can be taken back.
    Resultat enregistrer(QByteArray contenu, std::vector<Span>* places, const QString& modification);
    Resultat preparer(const Qso& q, bool nouveau, QByteArray* ligne);
    void indexer();
    void noterFichier();

    QString chemin_;
    QByteArray octets_;
    std::vector<Span> lignes_;
    bool lisible_ = true;
    qint64 taille_ = -1;
    QDateTime modifieLe_;

    HistoriqueModifications historique_;

public:
    // The QSL column of these lines (numbers as the log was read) set to "*",
    // all in one rewrite; a confirmed line is left as it is, so a "*" is never
    // lost. Refused when the file changed since it was read: the numbers
    // would no longer name the same QSOs.
    Resultat confirmer(const QList<qsizetype>& lignes);
};
