#pragma once
#include <QWidget>

#include "ui/AppContext.h"

// Award progress: for each of the four levels, reached or how many
// confirmed QSOs are missing, and the button that lists them.
class FenetreDiplomes : public QWidget {
    Q_OBJECT
public:
    explicit FenetreDiplomes(AppContext& ctx, QWidget* parent = nullptr);

    int confirmes() const { return confirmes_; }

private:
    // Opens the award list under a level (0 to 3), or gives the open one that level.
    void voirListe(int niveau);

    AppContext& ctx_;
    int confirmes_ = 0;
};
