#include "awards/Commun.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QStyle>

#include "app/AppContext.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/TextFile.h"

namespace Awards {

QStringList lireLog(AppContext& ctx) {
    bool ok = false;
    const QString chemin = ctx.logPath();
    QStringList lignes = TextFile::readLines(chemin, &ok);
    if (!ok) {
        ctx.dialogs->notice(QStringLiteral("Impossible de lire le log ") + QFileInfo(chemin).fileName());
        return {};
    }
    return lignes;
}

bool enregistrer(AppContext& ctx, const QString& nom, const QStringList& lignes,
                 const QString& message) {
    if (!TextFile::rewriteLines(ctx.path(nom), ctx.path(QStringLiteral("Temporaire.txt")), lignes)) {
        ctx.dialogs->notice(QStringLiteral("Impossible d'enregistrer le fichier ") + nom);
        return false;
    }
    ctx.dialogs->notice(message + nom);
    return true;
}

bool imprimer(AppContext& ctx, const QStringList& lignes, bool paysage) {
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
        for (const QString& l : lignes) p->printLine(l);
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

int margeTexte(const QAbstractItemView* liste) {
    return liste->frameWidth() +
           liste->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste) + 1;
}

}  // namespace Awards

EnteteColonnes::EnteteColonnes(const QString& texte, QList<Cible> cibles, QWidget* parent)
    : QLabel(texte, parent), cibles_(std::move(cibles)) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void EnteteColonnes::setColonnes(qreal largeurCar, int marge) {
    largeurCar_ = largeurCar;
    marge_ = marge;
    const QFontMetrics fm(font());
    largeurTexte_ = 0;
    const QList<qreal> xs = positions();
    for (qsizetype i = 0; i < xs.size(); ++i)
        largeurTexte_ = std::max(largeurTexte_, int(xs[i]) + fm.horizontalAdvance(cibles_[i].titre));
    updateGeometry();
    update();
}

QList<qreal> EnteteColonnes::positions() const {
    QList<qreal> out;
    const QString t = text();
    qsizetype depuis = 0;
    for (const Cible& c : cibles_) {
        const qsizetype at = t.indexOf(c.titre, depuis);
        if (at < 0) return {};
        depuis = at + c.titre.size();
        out.append(marge_ + (c.colonne - 1) * largeurCar_);
    }
    return out;
}

QSize EnteteColonnes::sizeHint() const {
    return {std::max(largeurTexte_, 10), fontMetrics().height() + 4};
}

QSize EnteteColonnes::minimumSizeHint() const { return {10, fontMetrics().height() + 4}; }

void EnteteColonnes::paintEvent(QPaintEvent* e) {
    const QList<qreal> xs = positions();
    if (xs.isEmpty()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int base = (height() + fontMetrics().ascent() - fontMetrics().descent()) / 2;
    for (qsizetype i = 0; i < xs.size(); ++i) p.drawText(QPointF(xs[i], base), cibles_[i].titre);
}
