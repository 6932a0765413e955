#pragma once
#include <QByteArray>
#include <QString>
#include <deque>

// The last changes of a log, each kept as what it replaced: the bytes after
// it equal the bytes before it outside [debut, debut + longueur), where they
// held `ancien`. A deletion in an 11 MB log keeps one line.
class HistoriqueModifications {
public:
    // At most Max changes, keeping under Plafond bytes between them.
    static constexpr int Max = 20;
    static constexpr qsizetype Plafond = 32 * 1024 * 1024;

    void noter(const QString& nom, const QByteArray& avant, const QByteArray& apres);
    bool vide() const { return etapes_.empty(); }
    qsizetype nombre() const { return qsizetype(etapes_.size()); }
    qsizetype memoire() const { return taille_; }
    QString derniere() const { return etapes_.empty() ? QString() : etapes_.back().nom; }
    struct Etape {
        QString nom;
        qsizetype debut = 0, longueur = 0;
        QByteArray ancien;
        // The bytes before the change, from the bytes after it.
        QByteArray defaire(const QByteArray& apres) const;
    };
    // The last change, taken off the list; remettre() puts it back when
    // taking it back failed.
    Etape retirer();
    void remettre(Etape e);
    void vider();

private:
    std::deque<Etape> etapes_;
    qsizetype taille_ = 0;
};
