#include "core/cluster/ModeleSpots.h"

#include <QSet>

#include "core/Bandes.h"

namespace Spots {

Age age(const QDateTime& recu, const QDateTime& maintenant) {
    const qint64 s = recu.secsTo(maintenant);
    return s > 3600 ? Age::Perime : s > 1800 ? Age::Ancien : Age::Recent;
}

namespace {
template <class T>
int comparer(const T& x, const T& y) {
    return x < y ? -1 : y < x ? 1 : 0;
}
}  // namespace

bool avant(const Entree& a, const Entree& b, int colonne) {
    int c = 0;
    switch (colonne) {
        case Heure: c = comparer(a.recu, b.recu); break;
        case Frequence: c = comparer(a.spot.kHz, b.spot.kHz); break;
        case Bande: c = comparer(unsigned(a.spot.bande), unsigned(b.spot.bande)); break;  // none (-1) last
        case Indicatif: c = QString::localeAwareCompare(a.spot.indicatif, b.spot.indicatif); break;
        case Reference: c = QString::localeAwareCompare(a.spot.reference, b.spot.reference); break;
        case Cathedrale: c = QString::localeAwareCompare(a.cathedrale.nom, b.cathedrale.nom); break;
        case Dpt: c = QString::localeAwareCompare(a.cathedrale.dpt, b.cathedrale.dpt); break;
        case Spotteur: c = QString::localeAwareCompare(a.spot.spotteur, b.spot.spotteur); break;
        case Interet: c = comparer(int(a.marque), int(b.marque)); break;
        case Commentaire: c = QString::localeAwareCompare(a.spot.commentaire, b.spot.commentaire); break;
        default: break;
    }
    return c != 0 ? c < 0 : a.numero > b.numero;
}

}  // namespace Spots

using namespace Spots;

QVariant ModeleSpots::headerData(int section, Qt::Orientation o, int role) const {
    static const char* const titres[NbColonnes] = {"Heure",      "kHz", "Bande",       "Indicatif", "Référence",
                                                   "Cathédrale", "Dpt", "Signalé par", "Intérêt",   "Commentaire"};
    if (o != Qt::Horizontal || section < 0 || section >= NbColonnes) return {};
    if (role == Qt::DisplayRole) return QString::fromUtf8(titres[section]);
    // A first click on a header sorts up, whatever the Qt version's habit.
    if (role == Qt::InitialSortOrderRole) return int(Qt::AscendingOrder);
    return QAbstractTableModel::headerData(section, o, role);
}

QVariant ModeleSpots::data(const QModelIndex& i, int role) const {
    const Entree* e = entree(i.row());
    if (!e || !i.isValid()) return {};
    switch (role) {
        case RoleMarque: return int(e->marque);
        case RoleAncien: return age(e->recu, maintenant_) != Age::Recent;
        case Qt::ToolTipRole: return e->spot.commentaire;
        case Qt::DisplayRole: break;
        default: return {};
    }
    switch (i.column()) {
        case Heure: return e->spot.heure;
        case Frequence: return QString::number(e->spot.kHz, 'f', 1);
        case Bande: return e->spot.bande >= 0 ? QString::fromLatin1(Bandes::Table[e->spot.bande].texte) : QString();
        case Indicatif: return e->spot.indicatif;
        case Reference: return e->spot.reference;
        case Cathedrale: return e->cathedrale.nom;
        case Dpt: return e->cathedrale.dpt;
        case Spotteur: return e->spot.spotteur;
        case Interet: return texte(e->marque);
        case Commentaire: return e->spot.commentaire;
        default: return {};
    }
}

const Entree* ModeleSpots::entree(int row) const {
    return row >= 0 && row < rowCount() ? &entrees_[size_t(row)] : nullptr;
}

const Entree* ModeleSpots::chercher(const QString& indicatif, const QString& reference) const {
    for (const Entree& e : entrees_)
        if (e.spot.indicatif == indicatif && e.spot.reference == reference) return &e;
    return nullptr;
}

int ModeleSpots::nouvelles() const {
    QSet<QString> refs;
    for (const Entree& e : entrees_)
        if (e.marque == Marque::Nouvelle) refs.insert(e.spot.reference);
    return int(refs.size());
}

void ModeleSpots::ajouter(const Spot& s, const Cathedrales::Cathedrale& c, Marque m, const QDateTime& maintenant) {
    vieillir(maintenant);
    // A station spotted again on the same band keeps one row: the latest.
    for (int r = 0; r < rowCount(); ++r) {
        const Spot& x = entrees_[size_t(r)].spot;
        if (x.indicatif == s.indicatif && x.reference == s.reference && x.bande == s.bande) {
            retirer(r, r);
            break;
        }
    }
    beginInsertRows({}, 0, 0);
    entrees_.push_front({s, c, m, maintenant, ++arrivees_});
    endInsertRows();
    if (rowCount() > Max) retirer(Max, rowCount() - 1);
}

void ModeleSpots::vieillir(const QDateTime& maintenant) {
    const QDateTime avant = maintenant_;
    maintenant_ = maintenant;
    // Rows are newest first, but a clock set back may mix ages: look at each.
    for (int r = rowCount() - 1; r >= 0; --r) {
        if (age(entrees_[size_t(r)].recu, maintenant) != Age::Perime) continue;
        int debut = r;
        while (debut > 0 && age(entrees_[size_t(debut - 1)].recu, maintenant) == Age::Perime) --debut;
        retirer(debut, r);
        r = debut;
    }
    int premier = -1, dernier = -1;
    for (int r = 0; r < rowCount(); ++r) {
        const QDateTime& recu = entrees_[size_t(r)].recu;
        if ((age(recu, avant) == Age::Recent) != (age(recu, maintenant) == Age::Recent)) {
            if (premier < 0) premier = r;
            dernier = r;
        }
    }
    if (premier >= 0) emit dataChanged(index(premier, 0), index(dernier, NbColonnes - 1), {RoleAncien});
}

void ModeleSpots::retirer(int debut, int fin) {
    beginRemoveRows({}, debut, fin);
    entrees_.erase(entrees_.begin() + debut, entrees_.begin() + fin + 1);
    endRemoveRows();
}
