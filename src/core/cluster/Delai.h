#pragma once
#include <QDateTime>
#include <QHash>
#include <QString>

// When each key last went, so that it goes again only after a delay: one
// alert per reference and band an hour, one spot sent per callsign and
// reference in five minutes.
class Delai {
public:
    explicit Delai(qint64 secondes) : secondes_(secondes) {}

    // Never noted, or noted at least the delay ago. A clock set back since
    // frees the key rather than holding it for as long.
    bool libre(const QString& cle, const QDateTime& maintenant) const;
    void noter(const QString& cle, const QDateTime& maintenant);

private:
    qint64 secondes_;
    QHash<QString, QDateTime> notes_;
};
