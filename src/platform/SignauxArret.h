#pragma once

// SIGTERM, SIGINT and SIGHUP (a shutdown, Ctrl+C in a terminal, the terminal
// closed) end the program as "Quitter Vitralog" does: the event loop returns,
// the quit backup is made and the lock released. By default they would kill
// it on the spot.
namespace SignauxArret {

// Once the application exists.
void installer();

}  // namespace SignauxArret
