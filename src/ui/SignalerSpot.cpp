#include "ui/SignalerSpot.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Windows.h"

using Windows::nomme;

SignalerSpot::SignalerSpot(const Spots::Signalement& prefill, NomDe n, Envoyer e, QWidget* parent)
    : QDialog(parent), nomDe(std::move(n)), envoyer(std::move(e)) {
    setObjectName(QStringLiteral("SignalerSpot"));
    setWindowTitle(QStringLiteral("Signaler un spot"));
    setAttribute(Qt::WA_DeleteOnClose);

    champFrequence = nomme(new QLineEdit(prefill.kHz, this), QStringLiteral("champFrequence"));
    champFrequence->setPlaceholderText(QStringLiteral("14025.0"));
    champIndicatif = nomme(new QLineEdit(prefill.indicatif, this), QStringLiteral("champIndicatif"));
    champReference = nomme(new QLineEdit(prefill.reference, this), QStringLiteral("champReference"));
    champReference->setPlaceholderText(QStringLiteral("DCF-018"));
    champCommentaire = nomme(new QLineEdit(prefill.commentaire, this), QStringLiteral("champCommentaire"));
    champCommentaire->setMaxLength(Spots::LongueurCommentaire);
    champCommentaire->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 22);

    auto* formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("Fréquence (kHz)"), champFrequence);
    formulaire->addRow(QStringLiteral("Indicatif"), champIndicatif);
    formulaire->addRow(QStringLiteral("Référence"), champReference);
    formulaire->addRow(QStringLiteral("Commentaire"), champCommentaire);

    auto* boutons = new QDialogButtonBox(this);
    boutonEnvoyer = nomme(boutons->addButton(QStringLiteral("Envoyer"), QDialogButtonBox::AcceptRole),
                          QStringLiteral("boutonEnvoyer"));
    boutonAnnuler = nomme(boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole),
                          QStringLiteral("boutonAnnuler"));
    boutonEnvoyer->setDefault(true);

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(formulaire);
    lay->addWidget(boutons);

    connect(champReference, &QLineEdit::textEdited, this, &SignalerSpot::referenceTapee);
    connect(boutonEnvoyer, &QPushButton::clicked, this, &SignalerSpot::envoyerSpot);
    connect(boutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

void SignalerSpot::setFrequence(double kHz) { champFrequence->setText(QString::number(kHz, 'f', 1)); }

Spots::Signalement SignalerSpot::signalement() const {
    return {champFrequence->text(), champIndicatif->text(), champReference->text(), champCommentaire->text()};
}

void SignalerSpot::referenceTapee(const QString& texte) {
    // The comment follows the reference typed; one typed by hand is then replaced.
    const QString reference = Spots::normaliser(texte);
    champCommentaire->setText(reference.isEmpty() ? QString() : Spots::commentaire(reference, nomDe(reference)));
}

void SignalerSpot::envoyerSpot() {
    if (envoyer(signalement())) accept();
}
