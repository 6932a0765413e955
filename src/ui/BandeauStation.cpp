#include "ui/BandeauStation.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Clock.h"
#include "platform/Windows.h"
#include "ui/Saisie.h"
#include "ui/widgets/Apparence.h"

using Windows::nomme;

BandeauStation::BandeauStation(const Clock& horloge, QWidget* parent) : QWidget(parent), horloge_(horloge) {
    setObjectName(QStringLiteral("bandeauStation"));
    auto* rangee = new QHBoxLayout(this);
    rangee->setContentsMargins(0, 0, 0, 0);
    auto* illustration = nomme(new QLabel, "illustration");
    illustration->setPixmap(Apparence::imageCathedrale());
    illustration->setFixedSize(47, 60);
    rangee->addWidget(illustration);

    QFont grand = font();
    grand.setPointSize(grand.pointSize() + 4);
    grand.setBold(true);

    auto* cadreDate = nomme(new QGroupBox, "cadreDate");
    etiquetteDateUtc_ = nomme(new QLabel(QStringLiteral("02/02/08")), "etiquetteDateUtc");
    etiquetteDateUtc_->setFont(grand);
    (new QVBoxLayout(cadreDate))->addWidget(etiquetteDateUtc_);
    rangee->addWidget(cadreDate);

    auto* cadreStation = nomme(new QGroupBox, "cadreStation");
    auto* legendeStation = nomme(new QLabel(QStringLiteral("INDICATIF DE LA STATION  : ")), "legendeStation");
    etiquetteStation_ = nomme(new QLabel, "etiquetteStation");
    etiquetteStation_->setFont(grand);
    etiquetteStation_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
    auto* station = new QHBoxLayout(cadreStation);
    station->addWidget(legendeStation);
    station->addWidget(etiquetteStation_, 1);
    rangee->addWidget(cadreStation, 1);

    auto* cadreHorloges = nomme(new QGroupBox, "cadreHorloges");
    etiquetteHeureLocale_ = nomme(new QLabel(QStringLiteral("12:20")), "etiquetteHeureLocale");
    etiquetteHeureUtc_ = nomme(new QLabel(QStringLiteral("12:35")), "etiquetteHeureUtc");
    etiquetteHeureLocale_->setFont(grand);
    etiquetteHeureUtc_->setFont(grand);
    auto* horloges = new QVBoxLayout(cadreHorloges);
    horloges->addWidget(etiquetteHeureLocale_);
    horloges->addWidget(etiquetteHeureUtc_);
    rangee->addWidget(cadreHorloges);

    minuterie_ = new QTimer(this);
    minuterie_->setObjectName(QStringLiteral("minuterieHorloge"));
    minuterie_->setInterval(1000);
    connect(minuterie_, &QTimer::timeout, this, &BandeauStation::rafraichirHorloge);
}

void BandeauStation::afficherStation(const QString& indicatif) { etiquetteStation_->setText(indicatif); }

void BandeauStation::rafraichirHorloge() {
    const QDateTime utc = horloge_.utcNow();
    const QDateTime loc = horloge_.localNow();
    etiquetteHeureUtc_->setText(Saisie::texteHeure(utc) + QStringLiteral(" Utc"));
    etiquetteHeureLocale_->setText(Saisie::texteHeure(loc) + QStringLiteral(" Loc"));
    etiquetteDateUtc_->setText(Saisie::texteDate(utc));
}

void BandeauStation::demarrerHorloge() {
    rafraichirHorloge();
    minuterie_->start();
}
