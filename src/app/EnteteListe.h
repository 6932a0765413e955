#pragma once
#include <QLabel>
#include <QList>

// The caption above the log list. Its blank runs were laid out for one
// particular proportional font and line up in none of ours, so the label
// keeps the caption as its text but draws each title over its list column.
class EnteteListe : public QLabel {
    Q_OBJECT
public:
    explicit EnteteListe(QWidget* parent = nullptr);
    // Character width of the list's fixed-pitch font and where its text starts.
    void setColonnes(qreal charWidth, int marge);

    struct Titre {
        QString titre;
        int colonne;  // 0-based list column of the title's first letter
        qreal x;      // pixel offset in the label
    };
    QList<Titre> titres() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    qreal charWidth_ = 7;
    int marge_ = 0;
};
