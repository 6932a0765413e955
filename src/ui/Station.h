#pragma once
#include <QDialog>

#include "ui/AppContext.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Station setup: a new callsign gets an empty log, a known one its own log.
class Station : public QDialog {
    Q_OBJECT
public:
    explicit Station(AppContext& ctx, QWidget* parent = nullptr);

    void Validation_Click();
    int New_Indicatif_KeyPress(int code);

    QGroupBox *Frame1, *Frame2;
    QLabel *Label2, *Label3, *Label5;
    QLineEdit* New_Indicatif;
    QPushButton* Validation;

signals:
    // The callsign was accepted and stored.
    void stationChoisie();

private:
    AppContext& ctx;
};
