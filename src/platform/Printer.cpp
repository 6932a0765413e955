#include "platform/Printer.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

bool dialogueQt(QPrinter& printer) {
    QPrintDialog dlg(&printer, QApplication::activeWindow());
    dlg.setWindowTitle(QStringLiteral("Imprimer"));
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace

QtPrinter::QtPrinter() : QtPrinter(dialogueQt) {}

QtPrinter::QtPrinter(Choix choix)
    : choix_(std::move(choix)), font_(QStringLiteral("Arial"), 10) {}

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
    y_ = 0;
    pages_ = 1;
    return true;
}

void QtPrinter::printLine(const QString& line) {
    if (!painter_ && !begin()) return;
    const QFontMetricsF fm(painter_->font(), printer_.get());
    const qreal hauteur = fm.lineSpacing();
    if (y_ > 0 && y_ + hauteur > printer_->height()) {
        printer_->newPage();
        ++pages_;
        y_ = 0;
    }
    if (!line.isEmpty()) painter_->drawText(QPointF(0, y_ + fm.ascent()), line);
    y_ += hauteur;
}

void QtPrinter::printImage(const QImage& image) {
    if (!painter_ && !begin()) return;
    if (y_ > 0) {
        printer_->newPage();
        ++pages_;
    }
    const QSizeF page(printer_->width(), printer_->height());
    const QSizeF taille = image.deviceIndependentSize().scaled(page, Qt::KeepAspectRatio);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    painter_->drawImage(QRectF(QPointF((page.width() - taille.width()) / 2, 0), taille), image);
    y_ = page.height();
}

bool QtPrinter::endDoc() {
    if (!painter_) return false;
    const bool ok = painter_->end();
    painter_.reset();
    return ok && printer_->printerState() != QPrinter::Error;
}
