#pragma once
#include <QString>
#include <QStringList>

#include "platform/Printer.h"

// The real printer, with the dialog replaced by the choice of printing into
// pdf (read at each dialog, so that one printer may print several files).
struct ImprimantePdf {
    explicit ImprimantePdf(QString pdfPath);
    QString pdf;
    QtPrinter printer;
};

// A printout read back as `pdftotext -fixed 5.4` lays it out (9-point Courier
// columns), each page without trailing blanks, without the left margin its
// lines share and without empty lines at either end: the number at the foot
// of each page, and each page's lines above it.
struct Impression {
    QStringList numeros;
    QList<QStringList> pages;
};
Impression lireImpression(const QString& path);

// Readable QString in failure messages.
#include <ostream>
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
