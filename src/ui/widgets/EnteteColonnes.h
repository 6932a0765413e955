#pragma once
#include <QLabel>
#include <QList>
#include <QString>

// A header label whose titles are drawn over given columns of a
// fixed-pitch list; text() stays the header as written.
class EnteteColonnes : public QLabel {
    Q_OBJECT
public:
    struct Cible {
        QString titre;
        int colonne;  // 1-based column of the list
    };
    EnteteColonnes(const QString& texte, QList<Cible> cibles, QWidget* parent = nullptr);
    const QList<Cible>& cibles() const { return cibles_; }
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
};
