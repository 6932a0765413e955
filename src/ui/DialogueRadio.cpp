#include "ui/DialogueRadio.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/Reglages.h"
#include "core/radio/Radio.h"
#include "platform/DemonRadio.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/Windows.h"

using Windows::nomme;

namespace {
const QString Introuvable = QStringLiteral("rigctld est introuvable : installez le paquet libhamlib-utils");
constexpr int RoleNumero = Qt::UserRole + 1;
constexpr int RoleRecherche = Qt::UserRole + 2;  // maker, model and number together, searched as one text
const int Vitesses[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
}  // namespace

DialogueRadio::DialogueRadio(SettingsStore& settings, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), settings_(settings), dialogs_(dialogs) {
    setObjectName(QStringLiteral("DialogueRadio"));
    setWindowTitle(QStringLiteral("Radio"));

    choixAucune = nomme(new QRadioButton(QStringLiteral("Pas de radio")), QStringLiteral("choixAucune"));
    choixAdresse = nomme(new QRadioButton(QStringLiteral("rigctld déjà lancé, à l'adresse (hôte:port) :")),
                         QStringLiteral("choixAdresse"));
    champAdresse = nomme(new QLineEdit, QStringLiteral("champAdresse"));
    champAdresse->setPlaceholderText(QStringLiteral("127.0.0.1:4532"));
    choixModele = nomme(new QRadioButton(QStringLiteral("Radio reliée à cet ordinateur (Vitralog lance rigctld) :")),
                        QStringLiteral("choixModele"));
    champRecherche = nomme(new QLineEdit, QStringLiteral("champRecherche"));
    champRecherche->setPlaceholderText(QStringLiteral("Chercher une marque ou un modèle"));
    champRecherche->setClearButtonEnabled(true);

    modeles_ = new QStandardItemModel(0, 3, this);
    modeles_->setHorizontalHeaderLabels({QStringLiteral("Marque"), QStringLiteral("Modèle"), QStringLiteral("N°")});
    filtre_ = new QSortFilterProxyModel(this);
    filtre_->setSourceModel(modeles_);
    filtre_->setFilterRole(RoleRecherche);
    filtre_->setFilterKeyColumn(0);
    listeModeles = nomme(new QTreeView, QStringLiteral("listeModeles"));
    listeModeles->setModel(filtre_);
    listeModeles->setRootIsDecorated(false);
    listeModeles->setUniformRowHeights(true);
    listeModeles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listeModeles->setSelectionBehavior(QAbstractItemView::SelectRows);
    listeModeles->setMinimumHeight(220);
    listeModeles->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    listeModeles->setSortingEnabled(true);
    listeModeles->sortByColumn(0, Qt::AscendingOrder);
    messageModeles = nomme(new QLabel, QStringLiteral("messageModeles"));
    messageModeles->setWordWrap(true);
    messageModeles->hide();

    champPort = nomme(new QComboBox, QStringLiteral("champPort"));
    champPort->setEditable(true);  // a device not plugged in yet, or one under another name
    champPort->addItems(portsSerie());
    champPort->setMinimumContentsLength(28);
    champVitesse = nomme(new QComboBox, QStringLiteral("champVitesse"));
    champVitesse->addItem(QStringLiteral("Par défaut"), QString());
    for (int v : Vitesses) champVitesse->addItem(QString::number(v), QString::number(v));
    champIntervalle = nomme(new QSpinBox, QStringLiteral("champIntervalle"));
    champIntervalle->setRange(Radio::IntervalleMin, Radio::IntervalleMax);
    champIntervalle->setSingleStep(100);
    champIntervalle->setSuffix(QStringLiteral(" ms"));

    auto* boutons = nomme(new QDialogButtonBox, QStringLiteral("boutons"));
    boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);

    auto* serie = new QFormLayout;
    serie->addRow(QStringLiteral("Port série :"), champPort);
    serie->addRow(QStringLiteral("Vitesse :"), champVitesse);
    auto* modele = new QVBoxLayout;
    modele->setContentsMargins(24, 0, 0, 0);
    modele->addWidget(champRecherche);
    modele->addWidget(listeModeles, 1);
    modele->addWidget(messageModeles);
    modele->addLayout(serie);
    auto* adresse = new QHBoxLayout;
    adresse->addWidget(choixAdresse);
    adresse->addWidget(champAdresse, 1);
    auto* intervalle = new QHBoxLayout;
    intervalle->addWidget(new QLabel(QStringLiteral("Lire la radio toutes les")));
    intervalle->addWidget(champIntervalle);
    intervalle->addStretch(1);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(choixAucune);
    lay->addLayout(adresse);
    lay->addWidget(choixModele);
    lay->addLayout(modele, 1);
    lay->addLayout(intervalle);
    lay->addWidget(boutons);

    // Working in a choice's fields chooses it.
    connect(champAdresse, &QLineEdit::textEdited, choixAdresse, [this] { choixAdresse->setChecked(true); });
    connect(champRecherche, &QLineEdit::textChanged, this, &DialogueRadio::chercher);
    connect(listeModeles->selectionModel(), &QItemSelectionModel::currentRowChanged, choixModele,
            [this](const QModelIndex& i) {
                if (i.isValid()) choixModele->setChecked(true);
            });
    connect(champPort, &QComboBox::currentTextChanged, choixModele, [this] { choixModele->setChecked(true); });
    connect(boutons, &QDialogButtonBox::accepted, this, &DialogueRadio::enregistrer);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    lireReglages();
    listerModeles();
}

DialogueRadio::~DialogueRadio() {
    // Closed before the list came: rigctl has nothing left to say. The wait only reaps it.
    if (rigctl_ && rigctl_->state() != QProcess::NotRunning) {
        rigctl_->disconnect(this);
        rigctl_->kill();
        rigctl_->waitForFinished(1000);
    }
}

QStringList DialogueRadio::portsSerie(const QString& dev, const QString& sys) {
    QStringList ports;
    // Names that keep to the same adapter whatever order the cables were plugged in.
    const QDir parId(dev + QStringLiteral("/serial/by-id"));
    for (const QString& n : parId.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name))
        ports << parId.filePath(n);
    const QDir d(dev);
    for (const char* motif : {"ttyUSB*", "ttyACM*", "ttyS*"}) {
        QStringList noms = d.entryList({QString::fromLatin1(motif)}, QDir::System | QDir::Files);
        std::sort(noms.begin(), noms.end(), [](const QString& a, const QString& b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;  // ttyS2 before ttyS10
        });
        for (const QString& n : noms) {
            // The kernel makes ttyS0-31 whatever the board holds: type 0 is a port without a UART.
            QFile type(sys + QLatin1Char('/') + n + QStringLiteral("/type"));
            if (n.startsWith(QLatin1String("ttyS")) && type.open(QIODevice::ReadOnly) &&
                type.readAll().trimmed() == "0")
                continue;
            ports << d.filePath(n);
        }
    }
    return ports;
}

void DialogueRadio::lireReglages() {
    auto lire = [this](const QString& cle) { return settings_.read(Reglages::App, Reglages::Global, cle, QString()); };
    const QString adresse = lire(Reglages::RadioAdresse), modele = lire(Reglages::RadioModele);
    const QString port = lire(Reglages::RadioPort), vitesse = lire(Reglages::RadioVitesse);
    const Radio::Configuration c =
        Radio::configuration(adresse, modele, port, vitesse, lire(Reglages::RadioIntervalle));
    champAdresse->setText(adresse.trimmed());
    champPort->setCurrentText(port.trimmed());
    if (!vitesse.trimmed().isEmpty() && champVitesse->findData(vitesse.trimmed()) < 0)
        champVitesse->addItem(vitesse.trimmed(), vitesse.trimmed());
    champVitesse->setCurrentIndex(qMax(0, champVitesse->findData(vitesse.trimmed())));
    champIntervalle->setValue(c.intervalle);
    modeleEnregistre_ = c.modele;
    const bool avecAdresse = !adresse.trimmed().isEmpty();
    (avecAdresse ? choixAdresse : !modele.trimmed().isEmpty() ? choixModele : choixAucune)->setChecked(true);
}

void DialogueRadio::listerModeles() {
    // rigctl and rigctld come in the same package.
    const QString rigctl = QStandardPaths::findExecutable(QStringLiteral("rigctl"));
    if (DemonRadio::programme().isEmpty() || rigctl.isEmpty()) {
        afficherMessage(Introuvable);
        return;
    }
    afficherMessage(QStringLiteral("Lecture de la liste des radios…"));
    rigctl_ = new QProcess(this);
    rigctl_->setProcessChannelMode(QProcess::SeparateChannels);
    connect(rigctl_, &QProcess::finished, this, &DialogueRadio::modelesLus);
    connect(rigctl_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) afficherMessage(Introuvable);
    });
    rigctl_->start(rigctl, {QStringLiteral("-l")});
}

void DialogueRadio::modelesLus() {
    const QList<Radio::Modele> liste = Radio::lireModeles(rigctl_->readAllStandardOutput());
    for (const Radio::Modele& m : liste) {
        auto* fabricant = new QStandardItem(m.fabricant);
        fabricant->setData(m.numero, RoleNumero);
        fabricant->setData(QStringLiteral("%1 %2 %3").arg(m.fabricant, m.nom).arg(m.numero), RoleRecherche);
        auto* numero = new QStandardItem;
        numero->setData(m.numero, Qt::DisplayRole);
        modeles_->appendRow({fabricant, new QStandardItem(m.nom), numero});
    }
    afficherMessage(liste.isEmpty() ? QStringLiteral("rigctl -l n'a donné aucune radio.") : QString());
    choisirModele(modeleEnregistre_);
}

void DialogueRadio::afficherMessage(const QString& texte) {
    messageModeles->setText(texte);
    messageModeles->setVisible(!texte.isEmpty());
}

void DialogueRadio::chercher(const QString& texte) {
    // Every word, in any order: "icom 7300" finds the IC-7300.
    QString motif;
    for (const QString& mot : texte.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        motif += QStringLiteral("(?=.*%1)").arg(QRegularExpression::escape(mot));
    filtre_->setFilterRegularExpression(QRegularExpression(motif, QRegularExpression::CaseInsensitiveOption));
}

void DialogueRadio::choisirModele(int numero) {
    const QModelIndexList trouves = filtre_->match(filtre_->index(0, 0), RoleNumero, numero, 1, Qt::MatchExactly);
    if (trouves.isEmpty()) return;
    listeModeles->setCurrentIndex(trouves.first());
    listeModeles->scrollTo(trouves.first(), QAbstractItemView::PositionAtCenter);
}

void DialogueRadio::enregistrer() {
    auto ecrire = [this](const QString& cle, const QString& valeur) {
        settings_.write(Reglages::App, Reglages::Global, cle, valeur);
    };
    QString adresse, modele;
    if (choixAdresse->isChecked()) {
        adresse = champAdresse->text().trimmed();
        if (!Spots::lireAdresse(adresse, Radio::PortRigctld)) {
            dialogs_.notice(
                QStringLiteral("Adresse de rigctld invalide : indiquez hôte:port, par exemple 127.0.0.1:4532"));
            champAdresse->setFocus();
            return;
        }
    } else if (choixModele->isChecked()) {
        if (DemonRadio::programme().isEmpty()) {
            dialogs_.notice(Introuvable);
            return;
        }
        const QModelIndex i = listeModeles->currentIndex();
        if (!i.isValid()) {
            dialogs_.notice(QStringLiteral("Choisissez votre radio dans la liste."));
            champRecherche->setFocus();
            return;
        }
        modele = QString::number(filtre_->index(i.row(), 0).data(RoleNumero).toInt());
        ecrire(Reglages::RadioPort, champPort->currentText().trimmed());
        ecrire(Reglages::RadioVitesse, champVitesse->currentData().toString());
    }
    ecrire(Reglages::RadioAdresse, adresse);
    ecrire(Reglages::RadioModele, modele);
    ecrire(Reglages::RadioIntervalle, QString::number(champIntervalle->value()));
    accept();
}
