#include "ui/MenusPrincipaux.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

void MenusPrincipaux::construire(QMainWindow* fenetre) {
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

    actionExporterAdif = action(QStringLiteral("&Exporter le log au format ADIF"), "actionExporterAdif");
    actionImporterAdif = action(QStringLiteral("&Importer un fichier ADIF…"), "actionImporterAdif");
    actionImporterConfirmations = action(QStringLiteral("Importer des &confirmations…"), "actionImporterConfirmations");
    actionSignaler = action(QStringLiteral("Si&gnaler le QSO au cluster…"), "actionSignaler");
    actionRadio = action(QStringLiteral("&Radio…"), "actionRadio");
    actionImporterListe = action(QStringLiteral("Importer une lis&te DCF…"), "actionImporterListe");
    actionOuvrirDossier = action(QStringLiteral("&Ouvrir le dossier des données"), "actionOuvrirDossier");
    actionAnnuler = action(QStringLiteral("&Annuler la dernière modification"), "actionAnnuler",
                           QKeySequence(Qt::CTRL | Qt::Key_Z));
    actionAnnuler->setEnabled(false);
    actionRestaurer = action(QStringLiteral("Restaurer une &sauvegarde…"), "actionRestaurer");
    actionDossierSauvegardes = action(QStringLiteral("&Dossier des sauvegardes…"), "actionDossierSauvegardes");
    actionQuitter = action(QStringLiteral("&Quitter Vitralog"), "actionQuitter", QKeySequence(Qt::CTRL | Qt::Key_Q));
    menuFichier = menu(
        QStringLiteral("&Fichier"), "menuFichier",
        {actionExporterAdif, actionImporterAdif, actionImporterConfirmations, actionImporterListe, actionSignaler,
         actionRadio, actionOuvrirDossier, actionAnnuler, actionRestaurer, actionDossierSauvegardes, actionQuitter});

    actionDateAutomatique = action(QStringLiteral("&Automatique"), "actionDateAutomatique");
    actionDateManuelle = action(QStringLiteral("&Manuelle"), "actionDateManuelle");
    actionDateAutomatique->setCheckable(true);
    actionDateManuelle->setCheckable(true);
    actionDateAutomatique->setChecked(true);
    menuDate = menu(QStringLiteral("&Date"), "menuDate", {actionDateAutomatique, actionDateManuelle});

    actionStation = action(QStringLiteral("&Station"), "actionStation");
    mb->addAction(actionStation);

    actionContactees = action(QStringLiteral("&des Cathédrales et Basiliques contactées"), "actionContactees");
    menuListe = menu(QStringLiteral("&Liste"), "menuListe", {actionContactees});
    actionCarte = action(QStringLiteral("&des départements contactés"), "actionCarte");
    menuCarte = menu(QStringLiteral("&Carte "), "menuCarte", {actionCarte});

    actionDiplomes = action(QStringLiteral("Diplom&es"), "actionDiplomes");
    actionCluster = action(QStringLiteral("Afficher Cl&uster"), "actionCluster");
    actionSpots = action(QStringLiteral("Sp&ots DCF"), "actionSpots");
    actionReglement = action(QStringLiteral("&Règlement"), "actionReglement");
    actionMettreAJourListe = action(QStringLiteral("&Mise à jour de la liste DCF"), "actionMettreAJourListe");
    // The list's import sits in Fichier: one more item would push Aide off the bar.
    for (QAction* a : {actionDiplomes, actionCluster, actionSpots, actionReglement, actionMettreAJourListe})
        mb->addAction(a);

    actionGuide = action(QStringLiteral("&Guide de l'utilisateur"), "actionGuide", QKeySequence(Qt::Key_F1));
    actionAPropos = action(QStringLiteral("A &Propos"), "actionAPropos");
    actionHistorique = action(QStringLiteral("&Historique"), "actionHistorique");
    menuAide = menu(QStringLiteral("&Aide"), "menuAide", {actionGuide, actionAPropos, actionHistorique});
}
