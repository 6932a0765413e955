#include "platform/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace {
QMessageBox* makeBox(const QString& text) {
    auto* box = new QMessageBox(QApplication::activeWindow());
    box->setWindowTitle(QStringLiteral("Vitralog"));
    box->setIcon(QMessageBox::NoIcon);
    // Shown as lines; the caller's CR LF stay in the text it passed.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box->setText(shown);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    return box;
}
}  // namespace

void QtDialogs::notice(const QString& text) {
    std::unique_ptr<QMessageBox> box(makeBox(text));
    box->setStandardButtons(QMessageBox::Ok);
    box->exec();
}

bool QtDialogs::question(const QString& text, Defaut defaut) {
    std::unique_ptr<QMessageBox> box(makeBox(text));
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box->button(QMessageBox::No)->setText(QStringLiteral("Non"));
    box->setDefaultButton(defaut == Defaut::Non ? QMessageBox::No : QMessageBox::Yes);
    return box->exec() == QMessageBox::Yes;
}
