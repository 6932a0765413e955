#pragma once
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>

#include "core/saisie/Cathedrales.h"

// The lookup's former name, still used by the spots window; drop it once that window says Cathedrales.
namespace Recherches = Cathedrales;

class Carnet;

namespace Keys {
// Address of the DX-cluster node ("host:port"), application "DCF", global section.
inline const QString NoeudCluster = QStringLiteral("Noeud Cluster");
}  // namespace Keys

// Spots of a DX-cluster node read from its telnet lines, and what the log
// says of each spotted reference.
namespace Spots {

struct Spot {
    QString spotteur;
    double kHz = 0;
    QString indicatif;
    QString commentaire;
    QString heure;      // "HH:MM" UTC
    QString reference;  // "DCF-018", "DBF-012B"; empty when the comment names none
    int bande = -1;     // index in Bandes::Table, -1 outside every band
};

// "DX de <spotter>: <kHz> <callsign> <comment> <hhmm>Z [locator]"; any other
// line, or one whose fields do not read, gives nothing.
std::optional<Spot> lire(QByteArrayView ligne);

// The first reference the text names: DCF and three digits, or DBF, three
// digits and B, any case, with or without the dash, not inside a longer word.
QString referenceDans(QStringView texte);
// The stored form of a text that is one reference as a whole; empty otherwise.
QString normaliser(QStringView texte);

enum class Marque : unsigned char { Nouvelle, NouvelleBande, Contactee, Confirmee };
QString texte(Marque m);

// What the log holds, per reference: the bands worked and those confirmed.
// Built once per change of the log so that a spot is matched by one lookup.
class IndexCarnet {
public:
    void construire(const Carnet& carnet);
    Marque marque(const QString& reference, int bande) const;
    qsizetype taille() const { return refs_.size(); }

private:
    struct Travail {
        quint16 contactees = 0;
        quint16 confirmees = 0;
    };
    QHash<QString, Travail> refs_;
};

// The reference list read once into memory, by reference key (first row wins).
QHash<QString, Cathedrales::Cathedrale> chargerListe(const QString& fichier);
Cathedrales::Cathedrale chercher(const QHash<QString, Cathedrales::Cathedrale>& liste, const QString& reference);

struct Adresse {
    QString hote;
    quint16 port = 23;
};
// "host:port", "host" (telnet port) or "[v6]:port"; nothing for an empty
// host or a port outside 1-65535.
std::optional<Adresse> lireAdresse(const QString& texte);

// Seconds before reconnection attempt n (0-based): 5, 10, 20 ... up to 300.
int attente(int essai);

}  // namespace Spots
