#include "ui/DialogueRestauration.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/journal/Carnet.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "ui/AppContext.h"
#include "ui/GestionSauvegardes.h"

namespace {
QString quand(const QDateTime& t) {
    return t.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" à ") + t.toString(QStringLiteral("HH:mm:ss"));
}
}  // namespace

DialogueRestauration::DialogueRestauration(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setWindowTitle(QStringLiteral("Restaurer une sauvegarde"));
    auto* legende = new QLabel(QStringLiteral("Sauvegardes du log de ") + ctx_.station + QStringLiteral(" dans ") +
                               QDir::toNativeSeparators(GestionSauvegardes::lieu(ctx_).dossier));
    legende->setObjectName(QStringLiteral("legende"));
    listeSauvegardes_ = new QTreeWidget;
    listeSauvegardes_->setObjectName(QStringLiteral("listeSauvegardes"));
    listeSauvegardes_->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Heure"), QStringLiteral("QSO")});
    listeSauvegardes_->setRootIsDecorated(false);
    listeSauvegardes_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The count stands under its title, not at the far edge.
    listeSauvegardes_->header()->setStretchLastSection(false);
    listeSauvegardes_->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    auto* boutons = new QDialogButtonBox;
    boutonRestaurer_ = boutons->addButton(QStringLiteral("&Restaurer"), QDialogButtonBox::ActionRole);
    boutonRestaurer_->setObjectName(QStringLiteral("boutonRestaurer"));
    boutonFermer_ = boutons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole);
    boutonFermer_->setObjectName(QStringLiteral("boutonFermer"));
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(legende);
    colonne->addWidget(listeSauvegardes_);
    colonne->addWidget(boutons);
    connect(boutonRestaurer_, &QPushButton::clicked, this, &DialogueRestauration::restaurerSelection);
    connect(listeSauvegardes_, &QTreeWidget::itemActivated, this, &DialogueRestauration::restaurerSelection);
    connect(boutonFermer_, &QPushButton::clicked, this, &QDialog::reject);
    connect(listeSauvegardes_, &QTreeWidget::currentItemChanged, this,
            [this] { boutonRestaurer_->setEnabled(listeSauvegardes_->currentItem() != nullptr); });
    resize(420, 360);
    remplir();
}

void DialogueRestauration::remplir() {
    listeSauvegardes_->clear();
    copies_ = Sauvegardes::lister(GestionSauvegardes::lieu(ctx_).dossier, ctx_.station);
    for (const Sauvegardes::Copie& c : copies_) {
        const qsizetype n = Sauvegardes::compterQso(c.chemin);
        auto* item = new QTreeWidgetItem({c.quand.toString(QStringLiteral("dd/MM/yyyy")),
                                          c.quand.toString(QStringLiteral("HH:mm:ss")),
                                          n < 0 ? QStringLiteral("illisible") : QString::number(n)});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        listeSauvegardes_->addTopLevelItem(item);
    }
    if (!copies_.isEmpty()) listeSauvegardes_->setCurrentItem(listeSauvegardes_->topLevelItem(0));
    boutonRestaurer_->setEnabled(!copies_.isEmpty());
}

void DialogueRestauration::restaurerSelection() {
    const int i = listeSauvegardes_->indexOfTopLevelItem(listeSauvegardes_->currentItem());
    if (i < 0 || i >= copies_.size()) return;
    const Sauvegardes::Copie c = copies_[i];
    if (!ctx_.dialogs->question(QStringLiteral("Remplacer le log de ") + ctx_.station +
                                    QStringLiteral(" par la sauvegarde du ") + quand(c.quand) +
                                    QStringLiteral(" ? Le log actuel sera d'abord sauvegardé."),
                                Dialogs::Defaut::Non))
        return;
    // Read before the safety copy, whose retention could remove it.
    QFile f(c.chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        ctx_.dialogs->notice(QStringLiteral("La sauvegarde ") + QDir::toNativeSeparators(c.chemin) +
                             QStringLiteral(" ne peut pas être lue, le log n'a pas été modifié"));
        return;
    }
    const QByteArray octets = f.readAll();
    Carnet* carnet = ctx_.carnetAJour();
    if (carnet->present()) {
        const QString echec =
            Sauvegardes::sauvegarder(GestionSauvegardes::lieu(ctx_), carnet->octets(), ctx_.clock->localNow());
        if (!echec.isEmpty()) {
            ctx_.dialogs->notice(echec + QStringLiteral(", le log n'a pas été modifié"));
            return;
        }
    }
    const Carnet::Resultat r =
        carnet->restaurer(octets, QStringLiteral("restauration de la sauvegarde du ") + quand(c.quand));
    if (!r.fait()) ctx_.dialogs->notice(r.message);
    remplir();
}
