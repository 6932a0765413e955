#include "core/journal/Carnet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "core/diplomes/TriRapide.h"
#include "core/journal/FichierAtomique.h"
#include "core/journal/TextFile.h"
#include "core/saisie/Controles.h"

namespace {

// "F5ABC DCF-018": who and which cathedral, as the operator reads them.
QString qui(QByteArrayView ligne) {
    return TextFile::decode(LigneQso::champ(ligne, LigneQso::Champ::Indicatif).trimmed().toByteArray()) +
           QLatin1Char(' ') +
           TextFile::decode(LigneQso::champ(ligne, LigneQso::Champ::Reference).trimmed().toByteArray());
}

}  // namespace

Carnet::Carnet(QObject* parent) : QObject(parent) {}

QString Carnet::messagePlafond() {
    return QStringLiteral("Le log contient déjà ") + QString::number(LigneQso::MaxQso) +
           QStringLiteral(" QSO, le maximum : ce QSO n'a pas été enregistré");
}

QString Carnet::messageEcriture(const QString& fichier, bool lectureSeule) {
    if (lectureSeule)
        return QStringLiteral("Le fichier ") + QDir::toNativeSeparators(fichier) +
               QStringLiteral(" est en lecture seule, le log n'a pas été modifié");
    return QStringLiteral("Erreur d'écriture du fichier ") + QDir::toNativeSeparators(fichier) +
           QStringLiteral(", le log n'a pas été modifié");
}

bool Carnet::ouvrir(const QString& chemin) {
    chemin_ = chemin;
    octets_.clear();
    QFile f(chemin);
    lisible_ = true;
    if (f.open(QIODevice::ReadOnly)) {
        octets_ = TextFile::lireTout(f);
        if (f.error() != QFileDevice::NoError) {
            octets_.clear();
            lisible_ = false;
        }
    } else if (f.exists()) {
        lisible_ = false;
    }
    indexer();
    noterFichier();
    // The kept changes describe the bytes we last had, not these.
    historique_.vider();
    emit modifie();
    return lisible_;
}

void Carnet::charger(const QByteArray& octets) {
    octets_ = octets;
    historique_.vider();
    lisible_ = true;
    indexer();
    emit modifie();
}

bool Carnet::actualiser() {
    const QFileInfo fi(chemin_);
    const qint64 taille = fi.exists() ? fi.size() : -1;
    const QDateTime le = fi.exists() ? fi.lastModified() : QDateTime();
    if (lisible_ && taille == taille_ && le == modifieLe_) return true;
    return ouvrir(chemin_);
}

void Carnet::noterFichier() {
    const QFileInfo fi(chemin_);
    taille_ = fi.exists() ? fi.size() : -1;
    modifieLe_ = fi.exists() ? fi.lastModified() : QDateTime();
}

void Carnet::indexer() {
    lignes_.clear();
    const char* d = octets_.constData();
    const qsizetype n = octets_.size();
    qsizetype p = 0;
    // A byte-order mark left by an editor is not part of the first QSO.
    if (n >= 3 && std::memcmp(d, "\xEF\xBB\xBF", 3) == 0) p = 3;
    lignes_.reserve(size_t(n / (LigneQso::Longueur + 2) + 1));
    // Lines end in LF, CR LF or a lone CR; memchr finds the LFs fast, and a
    // CR left inside what it finds splits it again.
    while (p < n) {
        const char* nl = static_cast<const char*>(std::memchr(d + p, '\n', size_t(n - p)));
        const qsizetype fin = nl ? nl - d : n;
        qsizetype e = fin > p && d[fin - 1] == '\r' ? fin - 1 : fin;
        while (const char* cr = static_cast<const char*>(std::memchr(d + p, '\r', size_t(e - p)))) {
            lignes_.emplace_back(p, cr - d - p);
            p = cr - d + 1;
        }
        if (p < e || nl || fin > p) lignes_.emplace_back(p, e - p);
        p = fin + 1;
    }
}

QByteArrayView Carnet::ligne(qsizetype i) const {
    if (i < 0 || i >= nombre()) return {};
    const Span& s = lignes_[size_t(i)];
    return QByteArrayView(octets_.constData() + s.first, s.second);
}

QByteArrayView Carnet::champ(qsizetype i, LigneQso::Champ c) const { return LigneQso::champ(ligne(i), c); }

QString Carnet::texte(qsizetype i) const { return TextFile::decode(ligne(i).toByteArray()); }

Carnet::Resultat Carnet::verifier(const Qso& q, bool nouveau) const {
    struct Regle {
        Champ champ;
        const QString& texte;
        QString (*controle)(const QString&);
        const char* nom;
    };
    const Regle regles[] = {
        {Indicatif, q.indicatif, Controles::indicatif, "Indicatif"},
        {Prenom, q.prenom, Controles::prenom, "Prénom"},
        {Ref, q.ref, Controles::reference, "Ref Cathédrale"},
        {Dpt, q.dpt, Controles::departement, "Dpt"},
        {Date, q.date, Controles::date, "Date"},
        {Heure, q.heure, Controles::heure, "Heure UTC"},
        {Mode, q.mode, Controles::mode, "Mode"},
        {Bande, q.bande, Controles::bande, "Bande"},
        {RstR, q.rstR, Controles::report, "RST R"},
        {RstE, q.rstE, Controles::report, "RST E"},
        {Nom, q.nom, nullptr, "Nom de la Cathédrale"},
    };
    for (const Regle& r : regles) {
        QString refus;
        const QChar x = TextFile::premierIntenable(r.texte);
        if (!x.isNull()) {
            const QString montre = x.unicode() < 0x20 || x.unicode() == 0x7F
                                       ? QStringLiteral("U+%1").arg(x.unicode(), 4, 16, QLatin1Char('0')).toUpper()
                                       : QString(x);
            refus = QStringLiteral("Le champ \"") + QString::fromUtf8(r.nom) +
                    QStringLiteral("\" contient un caractère que le log ne peut pas enregistrer : ") + montre;
        } else if (r.controle) {
            refus = r.controle(r.texte);
        }
        if (!refus.isEmpty()) return {Resultat::Refuse, refus, r.champ};
    }
    if (nouveau && nombre() >= LigneQso::MaxQso) return {Resultat::Refuse, messagePlafond(), Aucun};
    return {};
}

Qso Carnet::normaliser(Qso q) {
    q.prenom = q.prenom.toUpper();
    // Capitals first: "ß" becomes two letters, and the cut must count them.
    q.nom = q.nom.trimmed().toUpper().left(LigneQso::largeur(LigneQso::Champ::Nom));
    return q;
}

Carnet::Resultat Carnet::preparer(const Qso& q, bool nouveau, QByteArray* ligne) {
    // A log changed on disk since it was read is read again, so that the
    // rewrite never drops what another writer put there.
    if (!actualiser()) return {Resultat::EchecEcriture, messageEcriture(chemin_), Aucun};
    const Qso n = normaliser(q);
    Resultat r = verifier(n, nouveau);
    if (!r.fait()) return r;
    *ligne = TextFile::encode(LigneQso::format(n));
    return {};
}

Carnet::Resultat Carnet::ecrire(const std::vector<QByteArrayView>& lignes, const QString& modification) {
    qsizetype taille = 0;
    for (QByteArrayView l : lignes) taille += l.size() + 2;
    QByteArray contenu = TriRapide::grandTampon(taille);
    // The lines' places are known as they are copied: no second scan.
    std::vector<Span> places;
    places.reserve(lignes.size());
    char* d = contenu.data();
    qsizetype p = 0;
    for (QByteArrayView l : lignes) {
        if (!l.isEmpty()) std::memcpy(d + p, l.data(), size_t(l.size()));
        places.emplace_back(p, l.size());
        p += l.size();
        d[p++] = '\r';
        d[p++] = '\n';
    }
    return enregistrer(std::move(contenu), &places, modification);
}

Carnet::Resultat Carnet::enregistrer(QByteArray contenu, std::vector<Span>* places, const QString& modification) {
    emit avantModification(octets_);
    FichierAtomique f;
    if (!f.open(chemin_) || !f.write(contenu) || !f.commit()) {
        if (!f.renomme())
            return {Resultat::EchecEcriture, messageEcriture(chemin_, FichierAtomique::readOnly(chemin_)), Aucun};
        ouvrir(chemin_);  // renamed but not confirmed on disk: say so, and show what the file holds
        return {Resultat::EchecEcriture,
                QStringLiteral("Le log ") + QDir::toNativeSeparators(chemin_) +
                    QStringLiteral(" a été modifié mais le disque n'a pas confirmé l'écriture : ") + f.errorText(),
                Aucun};
    }
    if (!modification.isEmpty()) historique_.noter(modification, octets_, contenu);
    octets_ = std::move(contenu);
    if (places)
        lignes_ = std::move(*places);
    else
        indexer();
    noterFichier();
    lisible_ = true;
    emit modifie();
    return {};
}

QString Carnet::questionAnnulation(const QString& modification) {
    // Every name is feminine ("la suppression") or starts with a vowel ("l'ajout").
    static const QString voyelles = QStringLiteral("aeiouéAEIOUÉ");
    const bool elision = !modification.isEmpty() && voyelles.contains(modification.front());
    return QStringLiteral("Annuler ") + (elision ? QStringLiteral("l'") : QStringLiteral("la ")) + modification +
           QStringLiteral(" ?");
}

Carnet::Resultat Carnet::annuler() {
    if (historique_.vide()) return {Resultat::Refuse, QStringLiteral("Aucune modification à annuler"), Aucun};
    // Compared byte for byte, not by size and date: another program may
    // have written the same size within the same instant.
    QFile f(chemin_);
    const bool lu = f.open(QIODevice::ReadOnly);
    const QByteArray disque = lu ? TextFile::lireTout(f) : QByteArray();
    if (!lu || f.error() != QFileDevice::NoError || disque != octets_) {
        const QString nom = historique_.derniere();
        ouvrir(chemin_);
        return {Resultat::Refuse,
                QStringLiteral("Le log a été modifié par un autre programme depuis la ") + nom +
                    QStringLiteral(" : elle ne peut pas être annulée"),
                Aucun};
    }
    HistoriqueModifications::Etape e = historique_.retirer();
    const QByteArray apres = octets_;  // shares the buffer: tells whether it was replaced
    Resultat r = enregistrer(e.defaire(octets_), nullptr, {});
    if (!r.fait() && octets_.constData() == apres.constData())
        historique_.remettre(std::move(e));  // nothing written: it can be taken back later
    return r;
}

Carnet::Resultat Carnet::restaurer(const QByteArray& octets, const QString& modification) {
    if (!actualiser()) return {Resultat::EchecEcriture, messageEcriture(chemin_), Aucun};
    return enregistrer(octets, nullptr, modification);
}

namespace {
std::vector<QByteArrayView> vues(const Carnet& c) {
    std::vector<QByteArrayView> v;
    v.reserve(size_t(c.nombre() + 1));
    for (qsizetype i = 0; i < c.nombre(); ++i) v.push_back(c.ligne(i));
    return v;
}
}  // namespace

Carnet::Resultat Carnet::ajouterEnFin(const Qso& q) {
    QByteArray l;
    Resultat r = preparer(q, true, &l);
    if (!r.fait()) return r;
    std::vector<QByteArrayView> v = vues(*this);
    v.push_back(l);
    return ecrire(v, QStringLiteral("ajout de ") + qui(l));
}

Carnet::Resultat Carnet::insererParDate(const Qso& q) {
    QByteArray l;
    Resultat r = preparer(q, true, &l);
    if (!r.fait()) return r;
    std::vector<QByteArrayView> v = vues(*this);
    auto ou = v.end();
    // Lines whose date or time cannot be read are copied, never chosen.
    if (const std::optional<qint64> t = LigneQso::horodatage(l)) {
        for (auto it = v.begin(); it != v.end(); ++it) {
            const std::optional<qint64> u = LigneQso::horodatage(*it);
            if (u && *u >= *t) {
                ou = it;
                break;
            }
        }
    }
    v.insert(ou, l);
    return ecrire(v, QStringLiteral("insertion de ") + qui(l));
}

Carnet::Resultat Carnet::insererLot(const QList<Qso>& qsos) {
    if (!actualiser()) return {Resultat::EchecEcriture, messageEcriture(chemin_), Aucun};
    if (nombre() + qsos.size() > LigneQso::MaxQso) return {Resultat::Refuse, messagePlafond(), Aucun};
    struct Nouvelle {
        QByteArray ligne;
        std::optional<qint64> t;
    };
    std::vector<Nouvelle> nouvelles;
    nouvelles.reserve(size_t(qsos.size()));
    for (const Qso& q : qsos) {
        const Qso n = normaliser(q);
        Resultat r = verifier(n, false);
        if (!r.fait()) return r;
        QByteArray l = TextFile::encode(LigneQso::format(n));
        const std::optional<qint64> t = LigneQso::horodatage(l);
        nouvelles.push_back({std::move(l), t});
    }
    // Undated ones go last, in their order.
    std::stable_sort(nouvelles.begin(), nouvelles.end(), [](const Nouvelle& a, const Nouvelle& b) {
        if (!a.t || !b.t) return a.t.has_value() && !b.t.has_value();
        return *a.t < *b.t;
    });
    // A new line goes before the first stored line at or after it: the first
    // whose running maximum reaches it, so one pass merges them all.
    std::vector<QByteArrayView> v;
    v.reserve(size_t(nombre()) + nouvelles.size());
    size_t k = 0;
    std::optional<qint64> maxi;
    for (qsizetype i = 0; i < nombre(); ++i) {
        const std::optional<qint64> u = LigneQso::horodatage(ligne(i));
        if (u && (!maxi || *u > *maxi)) maxi = u;
        while (k < nouvelles.size() && nouvelles[k].t && maxi && *maxi >= *nouvelles[k].t)
            v.push_back(nouvelles[k++].ligne);
        v.push_back(ligne(i));
    }
    for (; k < nouvelles.size(); ++k) v.push_back(nouvelles[k].ligne);
    return ecrire(v, QStringLiteral("importation ADIF de %1 QSO").arg(qsos.size()));
}

Carnet::Resultat Carnet::remplacer(const QString& ligneAffichee, const Qso& q) {
    QByteArray l;
    Resultat r = preparer(q, false, &l);
    if (!r.fait()) return r;
    const QByteArray ancienne = TextFile::encode(LigneQso::reconstruire(ligneAffichee));
    std::vector<QByteArrayView> v = vues(*this);
    bool trouve = false;
    for (QByteArrayView& x : v)
        if (x == ancienne) {
            x = l;
            trouve = true;
        }
    if (!trouve) v.push_back(l);
    return ecrire(v, QStringLiteral("modification de ") + qui(l));
}

Carnet::Resultat Carnet::supprimer(const QString& ligneAffichee) {
    if (!actualiser()) return {Resultat::EchecEcriture, messageEcriture(chemin_), Aucun};
    // Deleted as shown: the cathedral's name keeps its case.
    const QByteArray ancienne = TextFile::encode(LigneQso::reconstruire(ligneAffichee, true));
    std::vector<QByteArrayView> v = vues(*this);
    std::erase_if(v, [&](QByteArrayView x) { return x == ancienne; });
    return ecrire(v, QStringLiteral("suppression de ") + qui(ancienne));
}

std::optional<QString> Carnet::dejaContacte(const QString& ref, const QString& bande) const {
    bool ok1 = true, ok2 = true;
    const QByteArray r = TextFile::encode(ref.trimmed(), &ok1);
    const QByteArray b = TextFile::encode(bande, &ok2);
    if (!ok1 || !ok2) return std::nullopt;  // the log cannot hold such text
    for (qsizetype i = 0; i < nombre(); ++i) {
        // The band is compared as it stands: blanks the operator typed count.
        if (champ(i, LigneQso::Champ::Reference).trimmed() == r && champ(i, LigneQso::Champ::Bande).trimmed() == b)
            return TextFile::decode(champ(i, LigneQso::Champ::Date).toByteArray());
    }
    return std::nullopt;
}

Carnet::Resultat Carnet::confirmer(const QList<qsizetype>& lignes) {
    const qint64 taille = taille_;
    const QDateTime le = modifieLe_;
    if (!actualiser()) return {Resultat::EchecEcriture, messageEcriture(chemin_), Aucun};
    if (taille_ != taille || modifieLe_ != le)
        return {Resultat::Refuse,
                QStringLiteral("Le log a été modifié pendant la lecture des confirmations : aucun QSO n'a été "
                               "confirmé, recommencez l'importation"),
                Aucun};
    const qsizetype qsl = LigneQso::position(LigneQso::Champ::Qsl).stockee;
    const auto aMarquer = [&](qsizetype i) { return i >= 0 && i < nombre() && !LigneQso::estConfirmee(ligne(i)); };
    // The changed lines in one buffer that never moves while views point into it.
    qsizetype place = 0;
    for (qsizetype i : lignes)
        if (aMarquer(i)) place += std::max(ligne(i).size(), qsl + 1);
    if (place == 0) return {};
    QByteArray changees(place, ' ');
    std::vector<QByteArrayView> v = vues(*this);
    char* d = changees.data();
    qsizetype marquees = 0;
    for (qsizetype i : lignes) {
        if (!aMarquer(i)) continue;
        const QByteArrayView l = ligne(i);
        // A short line is padded with blanks up to its mark.
        const qsizetype n = std::max(l.size(), qsl + 1);
        if (!l.isEmpty()) std::memcpy(d, l.data(), size_t(l.size()));
        d[qsl] = '*';
        v[size_t(i)] = QByteArrayView(d, n);
        d += n;
        ++marquees;
    }
    return ecrire(v, QStringLiteral("confirmation de %1 QSO").arg(marquees));
}
