#pragma once
#include <QByteArrayView>
#include <QString>
#include <array>

class Carnet;

// The département map's colouring and counts, from the lines of a log.
namespace CarteLogic {

constexpr int NbCases = 100;        // boxes 0 to 99
constexpr int NbDepartements = 96;  // départements drawn on the map
constexpr int CaseCorseSud = 96;    // "2a"
constexpr int CaseHauteCorse = 97;  // "2b"

enum class Etat : unsigned char {
    NonContacte,  // pale yellow
    Contacte,     // pale red: contacted, nothing confirmed
    Confirme,     // pale green: at least one confirmed QSO
};

struct Carte {
    std::array<Etat, NbCases> etats{};  // all NonContacte
    // Over boxes 1 to 99 only: box 0 is coloured but never counted.
    int total = 0;
    int nonConfirmes = 0;
    int confirmes = 0;
};

// The box of a log line's département field (columns 14-15), or -1 when the
// line is skipped: empty, not a whole number, or an unknown letter code.
int caseDepartement(QByteArrayView dpt);

// Colours the boxes line by line (a confirmed box never turns back to
// unconfirmed) and takes the counts back from the colours.
Carte colorier(const Carnet& log);

// 96 minus the contacted départements; negative when the log names the
// hidden boxes 20, 98 or 99.
int nonContactes(int nonConfirmes, int confirmes);

// The texts of Nb_Nconf and Nb_Ncont.
QString texteConfirmes(int confirmes);
QString texteNonContactes(int nonConfirmes, int confirmes);

// The box's text: "01".."95", "2a", "2b", "00" for box 0, "X" for the other
// hidden boxes.
QString texteCase(int index);
bool caseVisible(int index);
// The map's path id for a visible box ("01", "2A", "2B"), empty otherwise.
QString idSvg(int index);

QString messageLogIllisible(const QString& nomFichier);

// Credit owed for the map drawing (CC BY 4.0).
extern const QString Attribution;

}  // namespace CarteLogic
