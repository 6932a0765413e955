#include "platform/Printer.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace {

bool dialogueQt(QPrinter& printer) {
    QPrintDialog dlg(&printer, QApplication::activeWindow());
    dlg.setWindowTitle(QStringLiteral("Imprimer"));
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace

QtPrinter::QtPrinter() : QtPrinter(dialogueQt) {}

QtPrinter::QtPrinter(Choix choix) : choix_(std::move(choix)), font_(QStringLiteral("Arial"), 10) {}

QPrinter& QtPrinter::qprinter() {
    // Built on first use: asking the print system at start-up would slow it.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) painter_->end();
}

void QtPrinter::setFont(const QString& name, qreal size, bool bold) {
    font_ = QFont(name);
    font_.setPointSizeF(size);
    font_.setBold(bold);
    if (painter_ && painter_->isActive()) painter_->setFont(QFont(font_, printer_.get()));
}

void QtPrinter::setLandscape(bool landscape) {
    qprinter().setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrinter::dialog() { return choix_(qprinter()); }

bool QtPrinter::begin() {
    if (painter_ && painter_->isActive()) return true;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&qprinter())) {
        painter_.reset();
        return false;
    }
    painter_->setFont(QFont(font_, printer_.get()));
    elements_.clear();
    return true;
}

void QtPrinter::printLine(const QString& line) {
    if (!painter_ && !begin()) return;
    elements_.push_back({line, {}});
}

void QtPrinter::printImage(const QImage& image) {
    if (!painter_ && !begin()) return;
    elements_.push_back({{}, image});
}

void QtPrinter::dessiner() {
    const QFontMetricsF fm(painter_->font(), printer_.get());
    const qreal ligne = fm.lineSpacing();
    const qreal hauteur = printer_->height();
    // The last two lines of a page: a blank and the page number.
    const qreal corps = hauteur - 2 * ligne;
    const int parPage = std::max(1, int(corps / ligne));
    const int repetees = entete_.size() < parPage ? int(entete_.size()) : 0;

    struct Page {
        std::vector<const Element*> contenu;
        bool entete = false;
        bool pleine = false;
    };
    std::vector<Page> pages(1);
    int lignes = 0;
    for (const Element& e : elements_) {
        Page* page = &pages.back();
        const bool image = !e.image.isNull();
        if (page->pleine || (image && !page->contenu.empty()) || (!image && lignes >= parPage)) {
            pages.push_back({});
            page = &pages.back();
            page->entete = !image && repetees > 0;
            lignes = page->entete ? repetees : 0;
        }
        page->contenu.push_back(&e);
        if (image)
            page->pleine = true;
        else
            ++lignes;
    }

    pages_ = int(pages.size());
    for (int n = 0; n < pages_; ++n) {
        if (n > 0) printer_->newPage();
        qreal y = 0;
        auto ecrire = [&](const QString& texte) {
            if (!texte.isEmpty()) painter_->drawText(QPointF(0, y + fm.ascent()), texte);
            y += ligne;
        };
        if (pages[n].entete)
            for (const QString& l : entete_) ecrire(l);
        for (const Element* e : pages[n].contenu) {
            if (e->image.isNull()) {
                ecrire(e->ligne);
                continue;
            }
            const QSizeF place(printer_->width(), corps);
            const QSizeF taille = e->image.deviceIndependentSize().scaled(place, Qt::KeepAspectRatio);
            painter_->setRenderHint(QPainter::SmoothPixmapTransform);
            painter_->drawImage(QRectF(QPointF((place.width() - taille.width()) / 2, 0), taille), e->image);
        }
        const QString numero = QStringLiteral("Page %1 / %2").arg(n + 1).arg(pages_);
        painter_->drawText(QPointF((printer_->width() - fm.horizontalAdvance(numero)) / 2, hauteur - fm.descent()),
                           numero);
    }
}

bool QtPrinter::endDoc() {
    if (!painter_) return false;
    dessiner();
    elements_.clear();
    entete_.clear();
    const bool ok = painter_->end();
    painter_.reset();
    return ok && printer_->printerState() != QPrinter::Error;
}
