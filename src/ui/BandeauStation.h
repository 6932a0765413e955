#pragma once
#include <QWidget>

class Clock;
class QLabel;
class QTimer;

// The main window's top band: the cathedral, the UTC date, the station's
// callsign and the two clocks, refreshed once a second from the clock service.
class BandeauStation : public QWidget {
    Q_OBJECT
public:
    explicit BandeauStation(const Clock& horloge, QWidget* parent = nullptr);

    void afficherStation(const QString& indicatif);
    void rafraichirHorloge();
    void demarrerHorloge();

private:
    const Clock& horloge_;
    QLabel *etiquetteStation_ = nullptr, *etiquetteDateUtc_ = nullptr, *etiquetteHeureUtc_ = nullptr,
           *etiquetteHeureLocale_ = nullptr;
    QTimer* minuterie_ = nullptr;
};
