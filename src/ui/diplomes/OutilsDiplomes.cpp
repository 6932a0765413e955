#include "ui/diplomes/OutilsDiplomes.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "ui/AppContext.h"

namespace OutilsDiplomes {

const Carnet* lireLog(AppContext& ctx) {
    ctx.carnetAJour();
    if (!ctx.carnet->present()) {
        ctx.dialogs->notice(QStringLiteral("Impossible de lire le log ") + QFileInfo(ctx.carnet->chemin()).fileName());
        return nullptr;
    }
    return ctx.carnet;
}

bool enregistrer(AppContext& ctx, const QString& nom, const Rapport& rapport, const QString& message) {
    if (!TextFile::rewriteLines(ctx.path(nom), rapport.lignesFichier())) {
        ctx.dialogs->notice(QStringLiteral("Impossible d'enregistrer le fichier ") + nom);
        return false;
    }
    ctx.dialogs->notice(message + nom);
    return true;
}

bool imprimer(AppContext& ctx, const Rapport& rapport, bool paysage) {
    Printer* p = ctx.printer;
    if (!p) {
        ctx.dialogs->notice(QStringLiteral("Aucune imprimante n'est disponible"));
        return false;
    }
    const QString nom = p->fontName();
    const qreal taille = p->fontSize();
    p->setFont(QStringLiteral("Courier New"), 9, true);
    p->setLandscape(paysage);
    bool imprime = false;
    if (!p->dialog()) {
        // Cancel: nothing goes to the printer.
    } else if (!p->begin()) {
        ctx.dialogs->notice(QStringLiteral("Aucune imprimante n'est disponible"));
    } else {
        p->setPageHeader(rapport.enteteDePage());
        for (const QString& l : rapport.lignesImprimees()) p->printLine(l);
        imprime = p->endDoc();
        if (!imprime) ctx.dialogs->notice(QStringLiteral("L'impression a échoué"));
    }
    p->setFont(nom, taille, false);
    return imprime;
}

QFont policeFixe(qreal points) {
    QFont f;
    if (QFontDatabase::families().contains(QStringLiteral("Letter Gothic")))
        f = QFont(QStringLiteral("Letter Gothic"));
    else
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(points);
    return f;
}

int largeurLignes(const QAbstractItemView* liste, const QFont& police, int n) {
    return int(QFontMetricsF(police).horizontalAdvance(QString(n, QLatin1Char('0')))) +
           2 * EnteteColonnes::margeTexte(liste) + liste->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

QHBoxLayout* rangeeBoutons(std::initializer_list<QPushButton*> boutons) {
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    for (QPushButton* b : boutons) {
        b->setAutoDefault(false);
        b->setMinimumWidth(81);
        bas->addWidget(b);
        bas->addStretch();
    }
    return bas;
}

}  // namespace OutilsDiplomes
