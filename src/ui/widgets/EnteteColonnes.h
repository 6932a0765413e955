#pragma once
#include <QLabel>
#include <QList>
#include <QString>

class QAbstractItemView;

// A header label whose titles are drawn over given columns of a
// fixed-pitch list, in the list's own font; text() stays the header as
// written.
class EnteteColonnes : public QLabel {
    Q_OBJECT
public:
    struct Cible {
        QString titre;
        int colonne;  // 1-based column of the list
    };
    EnteteColonnes(const QString& texte, QList<Cible> cibles, QWidget* parent = nullptr);
    const QList<Cible>& cibles() const { return cibles_; }
    // Takes the font of the list it stands over, flush with its left edge,
    // and places each title where the list draws that column.
    void alignerSur(const QAbstractItemView* liste);
    // x of each title, in the order of the targets; empty when the text
    // does not hold them.
    QList<qreal> positions() const;

    // Left offset of an item's text in a list view, from the view's edge.
    static int margeTexte(const QAbstractItemView* liste);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QList<Cible> cibles_;
    qreal largeurCar_ = 7;
    int marge_ = 0;
};
