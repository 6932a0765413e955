#include "support/ImpressionPdf.h"

#include <QPrinter>
#include <QProcess>
#include <algorithm>
#include <climits>

ImprimantePdf::ImprimantePdf(QString pdfPath)
    : pdf(std::move(pdfPath)), printer([this](QPrinter& p) {
          p.setOutputFormat(QPrinter::PdfFormat);
          p.setOutputFileName(pdf);
          return true;
      }) {}

static QStringList sansMarge(QStringList lignes) {
    int marge = INT_MAX;
    for (QString& l : lignes) {
        while (l.endsWith(QLatin1Char(' '))) l.chop(1);
        if (l.isEmpty()) continue;
        int i = 0;
        while (i < l.size() && l[i] == QLatin1Char(' ')) ++i;
        marge = std::min(marge, i);
    }
    for (QString& l : lignes) l = l.mid(marge);
    while (!lignes.isEmpty() && lignes.first().isEmpty()) lignes.removeFirst();
    while (!lignes.isEmpty() && lignes.last().isEmpty()) lignes.removeLast();
    return lignes;
}

Impression lireImpression(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-fixed"), QStringLiteral("5.4"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    Impression out;
    for (const QString& texte : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'))) {
        QStringList page = sansMarge(texte.split(QLatin1Char('\n')));
        if (page.isEmpty()) continue;
        out.numeros.append(page.takeLast().trimmed());
        while (!page.isEmpty() && page.last().isEmpty()) page.removeLast();
        out.pages.append(page);
    }
    return out;
}
