#pragma once
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/Printer.h"

// The real printer, with the dialog replaced by a choice made in advance:
// accepted, it prints into pdfPath; cancelled, nothing.
struct ImprimantePdf {
    explicit ImprimantePdf(QString pdfPath, bool accepte = true);
    QString pdf;
    bool accepte;
    int dialogues = 0;  // how many times the dialog was shown
    QtPrinter printer;
};

// Lines without trailing blanks, without empty lines at either end, and
// without the left margin they all share.
QStringList sansMarge(QStringList lignes);

// A printout read back as `pdftotext -fixed 5.4` lays it out (9-point Courier
// columns), each page through sansMarge: the number at the foot of each page,
// and each page's lines above it, without the blank lines under them.
struct Impression {
    QStringList numeros;
    QList<QStringList> pages;
};
Impression lireImpression(const QString& path);

// Readable QString in failure messages.
#include <ostream>
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
