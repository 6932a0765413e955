// The progression charts, built as a module that the program loads the first
// time the window opens: linking Qt Charts would load it, and the OpenGL
// libraries it links, at every start.
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>

#include "ui/diplomes/GraphiquesProgression.h"

namespace {

const QColor CouleurDiplome(0, 70, 160);
// The award window's colours for a level reached and not yet reached.
const QColor Atteint(0, 128, 0), NonAtteint(255, 0, 0);

// Shows a tool tip, hides it for an empty text; none in an image.
using Bulle = std::function<void(const QString&)>;

QPen bord(const QColor& fond, qreal largeur) { return QPen(fond.darker(170), largeur); }

QChart* nouveauGraphique(const QString& titre) {
    auto* c = new QChart;
    c->setAnimationOptions(QChart::NoAnimation);
    QFont f = c->titleFont();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    c->setTitleFont(f);
    c->setTitle(titre);
    c->legend()->setAlignment(Qt::AlignBottom);
    // Edge to edge: one white sheet in a picture. The right margin leaves room for the last month's label.
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(6, 6, 28, 6));
    return c;
}

// From 0 to a round number above max, with whole-number ticks 1, 2 or 5 times a power of ten apart.
QValueAxis* axeNombres(int max, const QString& titre) {
    const double brut = std::max(max, 4) * 1.08 / 5;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    double pas = puissance;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if ((pas = m * puissance) >= brut) break;
    pas = std::max(1.0, std::round(pas));
    const double haut = pas * std::ceil(std::max(max, 4) * 1.08 / pas);
    auto* a = new QValueAxis;
    a->setRange(0, haut);
    a->setTickCount(int(haut / pas) + 1);
    a->setLabelFormat(QStringLiteral("%d"));
    a->setTitleText(titre);
    return a;
}

// Month labels on their points, every 1, 2, 3, 6, 12... months so that a dozen at most show.
QCategoryAxis* axeMois(QDate premier, int n) {
    auto* a = new QCategoryAxis;
    a->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    int pas = 1;
    for (int p : {1, 2, 3, 6, 12, 24, 60, 120, 240, 600})
        if ((pas = p) * 12 >= n) break;
    const int decalage = premier.month() - 1;  // labels on calendar months: January, July...
    for (int i = 0; i < n; ++i)
        if (n == 1 || (decalage + i) % pas == 0) a->append(premier.addMonths(i).toString(QStringLiteral("MM/yyyy")), i);
    a->setRange(n == 1 ? -0.5 : 0, n == 1 ? 0.5 : n - 1);
    a->setStartValue(n == 1 ? -0.5 : 0);
    return a;
}

void attacher(QChart* c, QAbstractSeries* s, QAbstractAxis* x, QAbstractAxis* y, bool legende = true) {
    c->addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
    if (!legende)
        for (QLegendMarker* m : c->legend()->markers(s)) m->setVisible(false);
}

// One point a month; a single month is drawn across its width.
QLineSeries* courbe(const QList<int>& valeurs, const QString& nom) {
    auto* s = new QLineSeries;
    s->setName(nom);
    if (valeurs.size() == 1) {
        s->append(-0.5, valeurs[0]);
        s->append(0.5, valeurs[0]);
    } else {
        for (qsizetype i = 0; i < valeurs.size(); ++i) s->append(qreal(i), valeurs[i]);
    }
    return s;
}

QAreaSeries* surface(const QList<int>& valeurs, const QString& nom, const QColor& couleur) {
    auto* s = new QAreaSeries(courbe(valeurs, nom));
    s->setName(nom);
    s->setBrush(couleur);
    s->setPen(bord(couleur, 2));
    return s;
}

QChart* graphiqueTemps(const DonneesGraphiques& d, const Bulle& bulle) {
    QChart* c = nouveauGraphique(QStringLiteral("Progression du diplome DCF"));
    const int n = int(d.diplome.size());
    const auto plusGrand = [](const QList<int>& l) { return l.isEmpty() ? 0 : *std::max_element(l.begin(), l.end()); };
    const int maxDiplome = plusGrand(d.diplome), maxReferences = plusGrand(d.contactees);
    int haut = std::max(maxDiplome, maxReferences);
    for (const DonneesGraphiques::Seuil& s : d.seuils) haut = std::max(haut, s.valeur);
    // One scale for the three, unless the references would be a thin strip at
    // its foot: a busy log holds thousands of confirmed QSOs for a few hundred
    // references, which then get a scale of their own on the right.
    QCategoryAxis* x = axeMois(d.premierMois, n);
    const bool deuxEchelles = maxReferences * 10 < maxDiplome;
    QValueAxis* qsos =
        axeNombres(haut, deuxEchelles ? QStringLiteral("QSO confirmés (diplome)") : QStringLiteral("Nombre"));
    QValueAxis* references = deuxEchelles ? axeNombres(maxReferences, QStringLiteral("Références")) : qsos;
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(qsos, Qt::AlignLeft);
    if (deuxEchelles) {
        c->addAxis(references, Qt::AlignRight);
        references->setGridLineVisible(false);
    }

    const auto mois = [&d, n, bulle](const QPointF& p, bool dessus) {
        bulle(dessus ? d.bullesMois.value(std::clamp(qRound(p.x()), 0, n - 1)) : QString());
    };
    QAreaSeries* contactees = surface(d.contactees, QStringLiteral("Références contactées"), d.contactee);
    QAreaSeries* confirmees = surface(d.confirmees, QStringLiteral("Références confirmées"), d.confirmee);
    QLineSeries* diplome = courbe(d.diplome, QStringLiteral("Diplome DCF (QSO confirmés)"));
    diplome->setPen(QPen(CouleurDiplome, 3));
    attacher(c, contactees, x, references);
    attacher(c, confirmees, x, references);
    attacher(c, diplome, x, qsos);
    if (bulle) {
        for (QAreaSeries* a : {contactees, confirmees}) QObject::connect(a, &QAreaSeries::hovered, a, mois);
        QObject::connect(diplome, &QLineSeries::hovered, diplome, mois);
    }

    // Each level: a dashed line across against the award's count, its label
    // near the left where the road starts low, or beside the previous label
    // when the two lines are too close for one above the other.
    const qreal gauche = x->min(), droite = x->max();
    qreal place = 0.12, precedent = -1e9;
    for (const DonneesGraphiques::Seuil& s : d.seuils) {
        const QColor couleur = s.atteint ? Atteint : NonAtteint;
        auto* ligne = new QLineSeries;
        ligne->append(gauche, s.valeur);
        ligne->append(droite, s.valeur);
        ligne->setPen(QPen(couleur, 1.5, Qt::DashLine));
        attacher(c, ligne, x, qsos, false);
        // Close is judged for the shortest chart the window allows: about 100 pixels.
        place = s.valeur - precedent < 0.2 * qsos->max() ? place + 0.25 : 0.12;
        precedent = s.valeur;
        auto* etiquette = new QLineSeries;
        etiquette->append(gauche + (droite - gauche) * place, s.valeur);
        etiquette->setPen(Qt::NoPen);
        etiquette->setPointLabelsFormat(s.libelle);
        etiquette->setPointLabelsColor(couleur);
        QFont gras = etiquette->pointLabelsFont();
        gras.setBold(true);
        etiquette->setPointLabelsFont(gras);
        etiquette->setPointLabelsVisible(true);
        etiquette->setPointLabelsClipping(false);
        attacher(c, etiquette, x, qsos, false);
    }
    return c;
}

QChart* graphiqueBandes(const DonneesGraphiques& d, const Bulle& bulle) {
    QChart* c = nouveauGraphique(QStringLiteral("Références par bande"));
    auto* series = new QBarSeries;
    int max = 0;
    const std::pair<const QList<int>*, QColor> jeux[] = {{&d.bandesContactees, d.contactee},
                                                         {&d.bandesConfirmees, d.confirmee}};
    for (const auto& [valeurs, couleur] : jeux) {
        auto* jeu = new QBarSet(valeurs == &d.bandesContactees ? QStringLiteral("Références contactées")
                                                               : QStringLiteral("Références confirmées"));
        for (int v : *valeurs) {
            jeu->append(v);
            max = std::max(max, v);
        }
        jeu->setColor(couleur);
        jeu->setBorderColor(couleur.darker(170));
        jeu->setLabelColor(Qt::black);
        if (bulle)
            QObject::connect(jeu, &QBarSet::hovered, jeu,
                             [&d, bulle](bool dessus, int i) { bulle(dessus ? d.bullesBandes.value(i) : QString()); });
        series->append(jeu);
    }
    // Upright figures over their bars: side by side they would run into each other.
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsAngle(-90);
    auto* x = new QBarCategoryAxis;
    x->append(d.bandes);
    QValueAxis* y = axeNombres(max + max / 8, QStringLiteral("Références"));  // room for the figures
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    attacher(c, series, x, y);
    return c;
}

// A chart drawn in a rectangle of the painter, laid out for that size.
void dessiner(QPainter& p, QChart* c, const QRectF& zone) {
    QChartView vue(c);
    vue.setRenderHint(QPainter::Antialiasing);
    vue.setFrameShape(QFrame::NoFrame);
    vue.resize(zone.size().toSize());
    vue.QWidget::render(&p, zone.topLeft().toPoint());
}

class GraphiquesCharts : public GraphiquesProgression {
public:
    explicit GraphiquesCharts(QWidget* parent) : GraphiquesProgression(parent) {
        auto* lay = new QVBoxLayout(this);
        lay->setContentsMargins(0, 0, 0, 0);
        temps_ = vue(QStringLiteral("graphiqueTemps"));
        bandes_ = vue(QStringLiteral("graphiqueBandes"));
        lay->addWidget(temps_, 3);
        lay->addWidget(bandes_, 2);
    }

    void montrer(const DonneesGraphiques& d) override {
        d_ = d;
        const Bulle bulle = [this](const QString& texte) {
            if (texte.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(QCursor::pos(), texte, this);
        };
        remplacer(temps_, graphiqueTemps(d_, bulle));
        remplacer(bandes_, graphiqueBandes(d_, bulle));
    }

    QImage image(QSize taille, qreal echelle) const override {
        QImage img((QSizeF(taille) * echelle).toSize(), QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(echelle);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        qreal y = 12;
        for (qsizetype i = 0; i < d_.entete.size(); ++i) {
            QFont f = font();
            f.setPixelSize(i == 0 ? 22 : 15);
            f.setBold(i == 0);
            p.setFont(f);
            p.setPen(Qt::black);
            const QRectF ligne(16, y, taille.width() - 32, QFontMetricsF(f).height());
            p.drawText(ligne, Qt::AlignLeft | Qt::AlignVCenter, d_.entete[i]);
            y += ligne.height() + 4;
        }
        const qreal reste = taille.height() - y - 8, temps = std::round(reste * 0.58);
        dessiner(p, graphiqueTemps(d_, {}), QRectF(0, y + 8, taille.width(), temps));
        dessiner(p, graphiqueBandes(d_, {}), QRectF(0, y + 8 + temps, taille.width(), reste - temps));
        return img;
    }

private:
    QChartView* vue(const QString& nom) {
        auto* v = new QChartView(this);
        v->setObjectName(nom);
        v->setRenderHint(QPainter::Antialiasing);
        v->setMinimumSize(480, 200);
        return v;
    }
    // The view does not delete the chart it lets go of.
    static void remplacer(QChartView* vue, QChart* c) {
        QChart* ancien = vue->chart();
        vue->setChart(c);
        delete ancien;
    }

    QChartView* temps_;
    QChartView* bandes_;
    DonneesGraphiques d_;
};

}  // namespace

extern "C" Q_DECL_EXPORT GraphiquesProgression* vitralog_graphiques(QWidget* parent) {
    return new GraphiquesCharts(parent);
}
