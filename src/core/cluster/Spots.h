#pragma once
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>

#include "core/saisie/Cathedrales.h"

class Carnet;

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
    bool operator==(const Adresse&) const = default;
};
// "host:port", "host" (the default port, telnet's unless told) or "[v6]:port";
// nothing for an empty host or a port outside 1-65535.
std::optional<Adresse> lireAdresse(const QString& texte, quint16 portDefaut = 23);

// Seconds before reconnection attempt n (0-based): 5, 10, 20 ... up to 300.
int attente(int essai);

// Plain ASCII for a node: accents dropped ("É" gives "E"), ligatures and
// typographic signs spelt out, anything else and every control removed.
QString ascii(QStringView texte);

// A node keeps 30 characters of a spot's comment.
constexpr int LongueurCommentaire = 30;
// The comment of a spot sent: the reference and the cathedral's name, in
// plain ASCII, cut to what the node keeps.
QString commentaire(const QString& reference, const QString& nom);

// A frequency typed in kHz: digits with an optional decimal point or comma
// ("14025", "14025.0", "14025,5"); nothing otherwise.
std::optional<double> lireKHz(QStringView texte);

// What the operator asks to send.
struct Signalement {
    QString kHz;
    QString indicatif;
    QString reference;
    QString commentaire;
};
// The line sent to the node, "DX <kHz> <callsign> <comment>", and the
// callsign and reference as a refusal names them ("F5ABC sur DCF-018"); or
// the French refusal of a field.
struct Envoi {
    QByteArray ligne;
    QString cle;
    QString refus;
};
Envoi preparer(const Signalement& s);

// The desktop alert of a spot of a reference never worked.
struct Alerte {
    QString titre;  // "Nouvelle cathédrale", "Nouvelle basilique"
    QString texte;  // "DCF-018 C. Saint-Pierre à Troyes sur 14 Mhz : F5ABC"
};
Alerte alerte(const Spot& s, const QString& nom);

}  // namespace Spots
