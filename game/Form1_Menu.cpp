// The context menu and the desktop's usual keys: each entry does what its button or picture
// does; two options only the menu offers, remembered in the settings file.

#include "Form1.h"

#include "app/controles/Apparence.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

namespace {

QAction* action(QWidget* fenetre, const char* nom, const QString& texte,
                const QKeySequence& touches = {}) {
    auto* a = new QAction(texte, fenetre);
    a->setObjectName(QString::fromUtf8(nom));
    a->setShortcut(touches);
    // The keys work from anywhere in the window, the answer box included; a modal window
    // of the game, being active instead, keeps them from it.
    a->setShortcutContext(Qt::WindowShortcut);
    fenetre->addAction(a);
    return a;
}

QAction* option(QWidget* fenetre, const char* nom, const QString& texte, bool cochee) {
    QAction* a = action(fenetre, nom, texte);
    a->setCheckable(true);
    a->setChecked(cochee);
    return a;
}

} // namespace

void Form1::creerActions() {
    Action_Aide = action(this, "Action_Aide", QStringLiteral("Aide"), Qt::Key_F1);
    Action_Nouvelle_Partie = action(this, "Action_Nouvelle_Partie",
                                    QStringLiteral("Nouvelle partie"), Qt::CTRL | Qt::Key_N);
    Action_Scores = action(this, "Action_Scores", QStringLiteral("Scores..."));
    Action_Son = option(this, "Action_Son", QStringLiteral("Son"), e.Son_Actif);
    Action_Couleurs =
        option(this, "Action_Couleurs", QStringLiteral("Couleurs adaptées au daltonisme"),
               reglages_.couleursAdaptees);
    Action_Mots = option(this, "Action_Mots", QStringLiteral("Ne pas redonner un mot déjà tiré"),
                         reglages_.motsSansRetour);
    Action_A_Propos = action(this, "Action_A_Propos", QStringLiteral("A propos..."));
    Action_Quitter =
        action(this, "Action_Quitter", QStringLiteral("Quitter"), Qt::CTRL | Qt::Key_Q);
    // Shift+F10 opens the menu too: Qt makes it of the Menu key on some systems, not on X11.
    QAction* clavier =
        action(this, "Action_Menu", QString(), QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(clavier, &QAction::triggered, this, [this] {
        QWidget* cible = focusWidget() ? focusWidget() : this;
        Ouvrir_Menu(cible->mapToGlobal(cible->rect().center()));
    });

    connect(Action_Aide, &QAction::triggered, this, &Form1::Aide_Click);
    connect(Action_Nouvelle_Partie, &QAction::triggered, this, &Form1::Nouv_Partie_Click);
    connect(Action_Scores, &QAction::triggered, this, &Form1::Scores_Click);
    connect(Action_Son, &QAction::triggered, this,
            [this](bool actif) { actif ? Son_Off_Click() : Son_On_Click(); });
    connect(Action_Couleurs, &QAction::triggered, this, &Form1::Couleurs_Click);
    connect(Action_Mots, &QAction::triggered, this, &Form1::Mots_Click);
    connect(Action_A_Propos, &QAction::triggered, this, &Form1::A_Propos_Click);
    connect(Action_Quitter, &QAction::triggered, this, &Form1::Quitter_Click);
}

QMenu* Form1::Menu_Contexte() {
    if (!menu_) {
        menu_ = new QMenu(this);
        menu_->setObjectName(QStringLiteral("Menu_Contexte"));
        menu_->setAccessibleName(QStringLiteral("Menu du jeu"));
        menu_->addActions({Action_Aide, Action_Nouvelle_Partie, Action_Scores, Action_Son,
                           Action_Couleurs, Action_Mots});
        menu_->addSeparator();
        menu_->addActions({Action_A_Propos, Action_Quitter});
    }
    return menu_;
}

void Form1::Ouvrir_Menu(const QPoint& ou) {
    Menu_Contexte()->popup(ou);
}

// The right button anywhere on the window, and the Menu key in any control: their own menus
// (the answer box's, the scroll bar's) are turned off so that the event comes here.
void Form1::contextMenuEvent(QContextMenuEvent* ev) {
    Ouvrir_Menu(ev->globalPos());
}

void Form1::Couleurs_Click(bool adaptees) {
    reglages_.couleursAdaptees = adaptees;
    Ecrire_Reglages(emplacements_.reglages, reglages_);
    for (int k = 1; k <= 25; ++k)
        Marquer_Case(k, Marques_Plateau(k)); // the marks stay, their colours change
    if (meneurMontre_)
        Colorer_Meneur();
    Retour_Focus();
}

void Form1::Mots_Click(bool sansRetour) {
    reglages_.motsSansRetour = sansRetour;
    Ecrire_Reglages(emplacements_.reglages, reglages_);
    Retour_Focus();
}
