#pragma once
#include <QString>
#include <QTextBrowser>

#include "ui/AppContext.h"

// The user's guide (docs/guide.md, installed with the program) in a window
// of its own, pictures included; F1 opens it.
class Guide : public QTextBrowser {
    Q_OBJECT
public:
    explicit Guide(const QString& fichier, QWidget* parent = nullptr);
    // A text browser's own hint is a few lines wide; the window opens at its hint.
    QSize sizeHint() const override { return {900, 700}; }
};

// Where the guide is: beside the installed program, else in the source tree
// the program was built from. Empty when neither holds it.
QString fichierGuide();

// Opens the guide, or says where it was looked for.
Guide* ouvrirGuide(AppContext& ctx);
