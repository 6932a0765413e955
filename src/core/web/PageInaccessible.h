#pragma once
#include <QString>

// The page a web view shows in place of one it could not load.
namespace PageInaccessible {

// Why the page could not be loaded, as the web view tells it.
enum class Raison {
    NomInconnu,        // the server's name found no address
    ConnexionRefusee,  // nothing answers at that address
    ConnexionCoupee,   // the server broke the connection off
    DelaiDepasse,      // no answer in time
    HorsReseau,        // the computer has no network
    Certificat,        // the server's certificate is not valid
    PortRefuse,        // the view will not open a page on that port
    ErreurServeur,     // the server answered with an error status
    Autre,
};

// The reason in French, as a sentence. `code` is the status for
// ErreurServeur and the view's error number for Autre.
QString texteRaison(Raison raison, int code);

// An HTML page: "Page inaccessible : <adresse>", the reason, and the
// window's hint when it gives one.
QString html(const QString& adresse, Raison raison, int code, const QString& conseil);

}  // namespace PageInaccessible
