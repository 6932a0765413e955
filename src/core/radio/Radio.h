#pragma once
#include <QByteArrayList>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "core/cluster/Spots.h"

namespace Bandes {
struct Bande;
}

// The rig as rigctld's text protocol shows it: its replies, what the log makes
// of its frequency and mode, the status text, the mode a spot tunes to and
// what the settings ask for.
namespace Radio {

inline constexpr quint16 PortRigctld = 4532;                                             // rigctld's own default
inline constexpr int IntervalleDefaut = 500, IntervalleMin = 200, IntervalleMax = 5000;  // ms between readings
// rigctld's replies are a few dozen bytes: a longer line is not one of them.
inline constexpr int LigneMax = 256;

// --- Replies of the default protocol: "f" gives one line, "m" two (mode and
// passband), a setting "RPRT n"; any command may fail with "RPRT -n".

enum class Commande : unsigned char { Frequence, Mode, Reglage };

struct Reponse {
    enum class Etat : unsigned char { Incomplete, Faite, Refusee, Invalide };
    Etat etat = Etat::Incomplete;
    qint64 hz = 0;  // 0 when the rig tells none
    QString mode;   // as rigctld names it, "USB", "PKTUSB"; empty when the rig names none
    int passband = 0;
    int code = 0;  // RPRT code of a refusal
};

// The reply to `c` from the lines received so far, without their line ends.
Reponse lire(Commande c, const QByteArrayList& lignes);

// --- What the log makes of the rig.

// The entry mode of a rig mode: USB, LSB -> SSB; CW, CWR -> CW; FM, FMN, WFM -> FM;
// AM -> AM; empty for any other, which leaves the entry's mode alone.
QString modeSaisie(QStringView modeRig);
// The band of the table holding the frequency, nullptr outside every band.
const Bandes::Bande* bande(qint64 hz);
// kHz with one decimal, "14025.0", as the spots show frequencies.
QString kHz(qint64 hz);

// --- The status text.

enum class Statut : unsigned char {
    Aucune,       // no radio set: no text
    Connexion,    // connecting, nothing read yet
    Repond,       // the rig's frequency (and mode) read
    Muette,       // no reading for 2 s
    Deconnectee,  // refused or lost, retried after `attente` s
    Introuvable,  // rigctld to start but not installed
    Invalide,     // a setting that does not read; `reglage` holds it
};

struct Etat {
    Statut statut = Statut::Aucune;
    qint64 hz = 0;
    QString mode;
    int attente = 0;
    QString reglage;
    bool operator==(const Etat&) const = default;
};
// A state that holds no reading.
inline Etat etat(Statut s, int attente = 0) {
    Etat e;
    e.statut = s;
    e.attente = attente;
    return e;
}

QString texte(const Etat& e);

// Seconds before reconnection attempt n (0-based): 1, 2, 4 ... up to 30.
int attente(int essai);

// --- A spot's mode: the one its comment names (CW, SSB, FM; USB and LSB for
// themselves), else the IARU Region 1 band plan's CW segments, else the usual
// voice mode of the frequency. Empty when nothing says (the rig's mode is kept).
QString modeSpot(double kHz, QStringView commentaire);

// --- The settings.

struct Configuration {
    enum class Type : unsigned char { Aucune, Adresse, Demon, Invalide };
    Type type = Type::Aucune;
    Spots::Adresse adresse;  // Adresse
    int modele = 0;          // Demon: Hamlib model number
    QString port;            // Demon: device, empty for the model's default
    int vitesse = 0;         // Demon: baud, 0 for the model's default
    QString invalide;        // Invalide: the text that does not read
    int intervalle = IntervalleDefaut;
    bool operator==(const Configuration&) const = default;
};

// An address wins over a model; a model alone has Vitralog start rigctld;
// neither is no radio. The interval is brought into 200-5000 ms.
Configuration configuration(const QString& adresse, const QString& modele, const QString& port, const QString& vitesse,
                            const QString& intervalle);
// rigctld's arguments for a model, listening on 127.0.0.1 at `portTcp`.
QStringList argumentsDemon(const Configuration& c, quint16 portTcp);

// --- The models `rigctl -l` lists, under its header line.

struct Modele {
    int numero = 0;
    QString fabricant, nom;
};
QList<Modele> lireModeles(QByteArrayView sortie);

}  // namespace Radio
