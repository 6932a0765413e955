#include "ui/Station.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/Couleurs.h"
#include "core/Reglages.h"
#include "core/saisie/StationLogic.h"
#include "platform/Dialogs.h"
#include "platform/KeyPress.h"
#include "platform/SettingsStore.h"
#include "core/journal/TextFile.h"

Station::Station(AppContext& c, QWidget* parent) : QDialog(parent), ctx(c) {
    setObjectName(QStringLiteral("Station"));
    setWindowTitle(QStringLiteral("Selection Indicatif"));

    Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label2 = new QLabel(QStringLiteral("Indicatif de la Station"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont titre = Label2->font();
    titre.setPointSize(titre.pointSize() + 3);
    titre.setBold(true);
    Label2->setFont(titre);
    (new QVBoxLayout(Frame1))->addWidget(Label2);

    New_Indicatif = new QLineEdit;
    New_Indicatif->setObjectName(QStringLiteral("New_Indicatif"));
    QFont gras = New_Indicatif->font();
    gras.setPointSizeF(9.75);
    gras.setBold(true);
    New_Indicatif->setFont(gras);
    Couleurs::fond(New_Indicatif, Couleurs::VertClair);

    Validation = new QPushButton(QStringLiteral("Validez"));
    Validation->setObjectName(QStringLiteral("Validation"));
    // Enter on the focused button validates, as a click does.
    Validation->setAutoDefault(true);

    Frame2 = new QGroupBox;
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label3 = new QLabel(QStringLiteral("Indicatif"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label5 = new QLabel(QStringLiteral("!!! Pour la saisie la '/' est remplacée par le '_'"));
    Label5->setObjectName(QStringLiteral("Label5"));
    auto* f2 = new QVBoxLayout(Frame2);
    f2->addWidget(Label3);
    f2->addWidget(New_Indicatif);
    f2->addWidget(Label5);

    auto* root = new QVBoxLayout(this);
    root->addWidget(Frame1);
    root->addWidget(Frame2);
    root->addWidget(Validation, 0, Qt::AlignHCenter);

    KeyPress::install(New_Indicatif, [this](int code) { return New_Indicatif_KeyPress(code); });
    connect(Validation, &QPushButton::clicked, this, &Station::Validation_Click);
    adjustSize();  // its own size before anyone centres it
}

int Station::New_Indicatif_KeyPress(int code) {
    if (code == KeyPress::Enter) {
        Couleurs::fond(New_Indicatif, Couleurs::Blanc);
        Validation->setFocus();
        return 0;
    }
    return StationLogic::touche(code);
}

void Station::Validation_Click() {
    const QString candidat = New_Indicatif->text().toUpper();
    const QString refus = StationLogic::refus(candidat);
    if (!refus.isEmpty()) {
        ctx.dialogs->notice(refus);
        if (refus.startsWith(QLatin1String("L'indicatif"))) New_Indicatif->clear();
        return;
    }

    const QString fichier = ctx.path(candidat + QStringLiteral("_DCF.log"));
    const bool nouveau = !QFile::exists(fichier);
    // Create the log before anything changes, so a failure leaves all as it was.
    if (nouveau && !TextFile::createEmpty(fichier)) {
        ctx.dialogs->notice(QStringLiteral("Impossible de créer le fichier ") + fichier);
        return;
    }

    ctx.station = candidat;
    ctx.settings->write(Keys::App, Keys::Global, Keys::Indicatif, candidat);
    if (nouveau) {
        ctx.writeStation(Keys::Bande, QStringLiteral("0"));
        ctx.writeStation(Keys::Mode, QStringLiteral("0"));
    }
    emit stationChoisie();
    close();
}
