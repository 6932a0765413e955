#include "ui/MenusMain.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

void MenusMain::construire(QMainWindow* fenetre) {
    QMenuBar* mb = fenetre->menuBar();
    auto action = [fenetre](const QString& text, const char* name, QKeySequence raccourci = {}) {
        auto* a = new QAction(text, fenetre);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(raccourci);
        return a;
    };
    auto menu = [mb](const QString& text, const char* name, std::initializer_list<QAction*> actions) {
        QMenu* m = mb->addMenu(text);
        m->setObjectName(QString::fromLatin1(name));
        for (QAction* a : actions) m->addAction(a);
        return m;
    };

    Mnu_ADIF = action(QStringLiteral("&Exporter le log au format ADIF"), "Mnu_ADIF");
    Mnu_Import_ADIF = action(QStringLiteral("&Importer un fichier ADIF…"), "Mnu_Import_ADIF");
    Mnu_Import_DCF = action(QStringLiteral("Importer une lis&te DCF…"), "Mnu_Import_DCF");
    Mnu_Dossier = action(QStringLiteral("&Ouvrir le dossier des données"), "Mnu_Dossier");
    Mnu_Quitter = action(QStringLiteral("&Quitter Vitralog"), "Mnu_Quitter", QKeySequence(Qt::CTRL | Qt::Key_Q));
    Mnu_Fichier = menu(QStringLiteral("&Fichier"), "Mnu_Fichier",
                       {Mnu_ADIF, Mnu_Import_ADIF, Mnu_Import_DCF, Mnu_Dossier, Mnu_Quitter});

    Mnu_Date_Auto = action(QStringLiteral("&Automatique"), "Mnu_Date_Auto");
    Mnu_Date_Man = action(QStringLiteral("&Manuelle"), "Mnu_Date_Man");
    Mnu_Date_Auto->setCheckable(true);
    Mnu_Date_Man->setCheckable(true);
    Mnu_Date_Auto->setChecked(true);
    Mnu_Date = menu(QStringLiteral("&Date"), "Mnu_Date", {Mnu_Date_Auto, Mnu_Date_Man});

    Mnu_New_Indicatif = action(QStringLiteral("&Station"), "Mnu_New_Indicatif");
    mb->addAction(Mnu_New_Indicatif);

    Mnu_L_Contacte = action(QStringLiteral("&des Cathédrales et Basiliques contactées"), "Mnu_L_Contacte");
    Mnu_Liste = menu(QStringLiteral("&Liste"), "Mnu_Liste", {Mnu_L_Contacte});
    Mnu_Carte_Contacte = action(QStringLiteral("&des départements contactés"), "Mnu_Carte_Contacte");
    Mnu_Carte = menu(QStringLiteral("&Carte "), "Mnu_Carte", {Mnu_Carte_Contacte});

    Mnu_Diplomes = action(QStringLiteral("Diplom&es"), "Mnu_Diplomes");
    Mnu_Cluster = action(QStringLiteral("Afficher Cl&uster"), "Mnu_Cluster");
    Mnu_Spots = action(QStringLiteral("Sp&ots DCF"), "Mnu_Spots");
    Mnu_Reglement = action(QStringLiteral("&Règlement"), "Mnu_Reglement");
    Mnu_Maj_DCF = action(QStringLiteral("&Mise à jour de la liste DCF"), "Mnu_Maj_DCF");
    // The list's import sits in Fichier: one more item would push Aide off the bar.
    for (QAction* a : {Mnu_Diplomes, Mnu_Cluster, Mnu_Spots, Mnu_Reglement, Mnu_Maj_DCF})
        mb->addAction(a);

    Mnu_Guide = action(QStringLiteral("&Guide de l'utilisateur"), "Mnu_Guide", QKeySequence(Qt::Key_F1));
    Mnu_Apropos = action(QStringLiteral("A &Propos"), "Mnu_Apropos");
    Mnu_Historique = action(QStringLiteral("&Historique"), "Mnu_Historique");
    Mnu_Aide = menu(QStringLiteral("&Aide"), "Mnu_Aide", {Mnu_Guide, Mnu_Apropos, Mnu_Historique});
}
