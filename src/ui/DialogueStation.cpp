#include "ui/DialogueStation.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Reglages.h"
#include "core/journal/TextFile.h"
#include "core/saisie/StationLogic.h"
#include "platform/Dialogs.h"
#include "platform/KeyPress.h"
#include "platform/SettingsStore.h"
#include "platform/Windows.h"
#include "ui/widgets/Couleurs.h"

using Windows::nomme;

DialogueStation::DialogueStation(AppContext& c, QWidget* parent) : QDialog(parent), ctx_(c) {
    setObjectName(QStringLiteral("DialogueStation"));
    setWindowTitle(QStringLiteral("Selection Indicatif"));

    auto* cadreTitre = nomme(new QGroupBox, "cadreTitre");
    auto* titre = nomme(new QLabel(QStringLiteral("Indicatif de la Station")), "titre");
    titre->setAlignment(Qt::AlignCenter);
    QFont grand = titre->font();
    grand.setPointSize(grand.pointSize() + 3);
    grand.setBold(true);
    titre->setFont(grand);
    (new QVBoxLayout(cadreTitre))->addWidget(titre);

    champIndicatif_ = nomme(new QLineEdit, "champIndicatif");
    QFont gras = champIndicatif_->font();
    gras.setPointSizeF(9.75);
    gras.setBold(true);
    champIndicatif_->setFont(gras);
    Couleurs::fond(champIndicatif_, Couleurs::VertClair);

    boutonValider_ = nomme(new QPushButton(QStringLiteral("Validez")), "boutonValider");
    // Enter on the focused button validates, as a click does.
    boutonValider_->setAutoDefault(true);

    auto* cadreSaisie = nomme(new QGroupBox, "cadreSaisie");
    auto* legende = nomme(new QLabel(QStringLiteral("Indicatif")), "legende");
    auto* avertissement =
        nomme(new QLabel(QStringLiteral("!!! Pour la saisie la '/' est remplacée par le '_'")), "avertissement");
    auto* saisie = new QVBoxLayout(cadreSaisie);
    saisie->addWidget(legende);
    saisie->addWidget(champIndicatif_);
    saisie->addWidget(avertissement);

    auto* root = new QVBoxLayout(this);
    root->addWidget(cadreTitre);
    root->addWidget(cadreSaisie);
    root->addWidget(boutonValider_, 0, Qt::AlignHCenter);

    KeyPress::install(champIndicatif_, [this](int code) { return toucheIndicatif(code); });
    connect(boutonValider_, &QPushButton::clicked, this, &DialogueStation::valider);
    adjustSize();  // its own size before anyone centres it
}

int DialogueStation::toucheIndicatif(int code) {
    if (code == KeyPress::Enter) {
        Couleurs::fond(champIndicatif_, Couleurs::Blanc);
        boutonValider_->setFocus();
        return 0;
    }
    return StationLogic::touche(code);
}

void DialogueStation::valider() {
    const QString candidat = champIndicatif_->text().toUpper();
    const QString refus = StationLogic::refus(candidat);
    if (!refus.isEmpty()) {
        ctx_.dialogs->notice(refus);
        if (refus.startsWith(QLatin1String("L'indicatif"))) champIndicatif_->clear();
        return;
    }

    const QString fichier = ctx_.path(candidat + QStringLiteral("_DCF.log"));
    const bool nouveau = !QFile::exists(fichier);
    // Create the log before anything changes, so a failure leaves all as it was.
    if (nouveau && !TextFile::createEmpty(fichier)) {
        ctx_.dialogs->notice(QStringLiteral("Impossible de créer le fichier ") + fichier);
        return;
    }

    ctx_.station = candidat;
    ctx_.settings->write(Reglages::App, Reglages::Global, Reglages::Indicatif, candidat);
    if (nouveau) {
        ctx_.writeStation(Reglages::Bande, QStringLiteral("0"));
        ctx_.writeStation(Reglages::Mode, QStringLiteral("0"));
    }
    emit stationChoisie();
    close();
}
