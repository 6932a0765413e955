#pragma once
#include <QDialog>

#include "ui/AppContext.h"

class QLineEdit;
class QPushButton;

// Station setup: a new callsign gets an empty log, a known one its own log.
class DialogueStation : public QDialog {
    Q_OBJECT
public:
    explicit DialogueStation(AppContext& ctx, QWidget* parent = nullptr);

    // Stores the typed callsign, creating its log when it has none; a refusal is shown instead.
    void valider();

signals:
    // The callsign was accepted and stored.
    void stationChoisie();

private:
    int toucheIndicatif(int code);

    AppContext& ctx_;
    QLineEdit* champIndicatif_;
    QPushButton* boutonValider_;
};
