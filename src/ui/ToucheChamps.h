#pragma once
#include <QString>

struct AppContext;
class FormulaireSaisie;
class Saisie;

// What a key does in each field of the entry form: Enter checks the field,
// refuses with the logic layer's message or opens the next one; other keys
// come back as the code to insert (capitals where the field wants them), 0
// for nothing. It belongs to the entry road and moves its state.
class ToucheChamps {
public:
    explicit ToucheChamps(Saisie& saisie);
    // Hooks each control's key presses to its handler.
    void installer();

private:
    int bande(int code);
    int indicatif(int code);
    int prenom(int code);
    int reference(int code);
    int departement(int code);
    int date(int code);
    int heure(int code);
    int mode(int code);
    int rstRecu(int code);
    int rstEnvoye(int code);
    int nom(int code);
    int qsl(int code);
    // Fills the remembered first name of a callsign (and may empty the département).
    void chercherPrenom(const QString& indicatif);

    Saisie& s_;
    FormulaireSaisie& f_;
    AppContext& ctx_;
    bool listeAbsenteDite_ = false;  // the missing list is told once a session
};
