#pragma once
#include <QFont>
#include <QLabel>
#include <QList>
#include <QString>
#include <QStringList>

struct AppContext;
class QAbstractItemView;

// What the award windows share: reading the log, saving and printing a
// report, the fixed-pitch list font and a header lined up on list columns.
namespace Awards {

// The station's log; when it cannot be read, says so and gives no line.
QStringList lireLog(AppContext& ctx);

// Writes a report into the data directory. Says "<message><name>" when it is
// written, that it could not be otherwise.
bool enregistrer(AppContext& ctx, const QString& nom, const QStringList& lignes,
                 const QString& message);

// Prints the lines in bold 9-point Courier New after the printer dialog;
// Cancel prints nothing. The printer's font is given back afterwards.
// Landscape is what the dialog proposes, for lines too wide for a portrait page.
bool imprimer(AppContext& ctx, const QStringList& lignes, bool paysage);

// "Letter Gothic" when installed, else the system's fixed-pitch font.
QFont policeFixe(qreal points);

// Left offset of an item's text in a list view, from the view's edge.
int margeTexte(const QAbstractItemView* liste);

}  // namespace Awards

// A header label whose titles are drawn over given columns of a
// fixed-pitch list; text() stays the header as written.
class EnteteColonnes : public QLabel {
public:
    struct Cible {
        QString titre;
        int colonne;  // 1-based column of the list
    };
    EnteteColonnes(const QString& texte, QList<Cible> cibles, QWidget* parent = nullptr);
    void setColonnes(qreal largeurCar, int marge);
    // x of each title, in the order of the targets; empty when the text
    // does not hold them.
    QList<qreal> positions() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QList<Cible> cibles_;
    qreal largeurCar_ = 7;
    int marge_ = 0;
    int largeurTexte_ = 0;
};
