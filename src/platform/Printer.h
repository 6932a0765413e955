#pragma once
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;

// The printer as the print routines see it: a font, a selection dialog,
// lines printed one under the other, and the end of the document. Every
// page ends with "Page N / M".
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
    // Lines repeated at the top of every page after the first, until the
    // document ends: a list's column header.
    virtual void setPageHeader(const QStringList& lines) = 0;
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
    void setPageHeader(const QStringList& lines) override { entete_ = lines; }
    void printLine(const QString& line) override;
    void printImage(const QImage& image) override;
    bool endDoc() override;

    // Pages of the last document sent.
    int pages() const { return pages_; }

private:
    // What is printed, kept until the end of the document: the number of
    // pages is known only then.
    struct Element {
        QString ligne;
        QImage image;  // a page of its own when not null
    };
    QPrinter& qprinter();
    void dessiner();
    Choix choix_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    QStringList entete_;
    std::vector<Element> elements_;
    int pages_ = 0;
};
