#pragma once
#include <QFont>
#include <QString>
#include <functional>
#include <memory>

class QImage;
class QPainter;
class QPrinter;

// The printer as the print routines see it: a font, a selection dialog,
// lines printed one under the other, and the end of the document.
class Printer {
public:
    virtual ~Printer() = default;

    virtual QString fontName() const = 0;
    virtual qreal fontSize() const = 0;
    virtual bool fontBold() const = 0;
    virtual void setFont(const QString& name, qreal size, bool bold) = 0;

    // Page orientation proposed to the dialog.
    virtual void setLandscape(bool landscape) = 0;
    // The printer-selection dialog; false when the operator cancels.
    virtual bool dialog() = 0;
    // Opens a document on the chosen printer; false when none can take it.
    virtual bool begin() = 0;
    // One line under the previous one; a new page when this one is full.
    virtual void printLine(const QString& line) = 0;
    // A picture on a page of its own, as large as the page allows, its
    // proportions kept; what follows starts a new page.
    virtual void printImage(const QImage& image) = 0;
    // Sends the document; false when the printer reported an error.
    virtual bool endDoc() = 0;
};

// Qt Print Support. The printer chosen in the dialog is kept for the next
// document, as is the font.
class QtPrinter : public Printer {
public:
    // What stands for the dialog: gets the printer to set up, returns false
    // for Cancel. The default shows QPrintDialog.
    using Choix = std::function<bool(QPrinter&)>;

    QtPrinter();
    explicit QtPrinter(Choix choix);
    ~QtPrinter() override;

    QString fontName() const override { return font_.family(); }
    qreal fontSize() const override { return font_.pointSizeF(); }
    bool fontBold() const override { return font_.bold(); }
    void setFont(const QString& name, qreal size, bool bold) override;

    void setLandscape(bool landscape) override;
    bool dialog() override;
    bool begin() override;
    void printLine(const QString& line) override;
    void printImage(const QImage& image) override;
    bool endDoc() override;

    int pages() const { return pages_; }

private:
    QPrinter& qprinter();
    Choix choix_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    qreal y_ = 0;
    int pages_ = 0;
};
