#pragma once
// The main window on a known game: short lists, the clock and the draws in the test's hands,
// and short ways to play it as a player would.

#include "Clavier.h"
#include "Doubles.h"
#include "Etat.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"
#include "game/Form1.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>

struct PartieDeTest {
    EtatJeu e;
    ServicesDeTest d;
    std::unique_ptr<Form1> f;

    /** Level n draws from listes[n - 1]; by default the score table is read from, and saved
     * to, a file that cannot exist, and the options live in memory only. The window is shown
     * and active. */
    explicit PartieDeTest(const QStringList& liste1 = {"TERRE"},
                          const QStringList& liste2 = {"SALUT"},
                          const QStringList& liste3 = {"MAMAN"},
                          const Emplacements& lieux = {"/nonexistent/S.SCO", {}, {}},
                          const Reglages& reglages = {});

    QLineEdit* boite() const { return f->Mot_J(e.Joueur); }
    bool vu(const QWidget* w) const { return w->isVisibleTo(f.get()); }
    QWidget* focus() const { return f->focusWidget(); }
    void taper(const QString& texte) const { ::taper(boite(), texte); }
    /** The box's text replaced by `texte`, typed, then Enter. */
    void proposer(const QString& texte) const;
    /** One tick of the answer timer, as its period would have given, `ms` later. */
    void tic(std::int64_t ms = 0);
    /** The mark of board cell (ligne, colonne), and its letter. */
    Marque marque(int ligne, int colonne) const {
        return f->Marques_Plateau(ligne * 5 - 5 + colonne);
    }
    QString lettre(int ligne, int colonne) const { return f->Mot(ligne * 5 - 5 + colonne)->text(); }
    /** The marks of board line `ligne`, columns 1 to 5: what its colours show. */
    QList<Marque> marques(int ligne) const;
    /** What a screen reader says of a control. */
    static QString dit(QObject* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    }
    /** Runs `dansLaFenetre` on every modal window as soon as it is up, for as long as the
     * main window lives. A check that fails inside closes the window, so that the test
     * reports instead of waiting for ever. */
    void quandModale(std::function<void(QWidget*)> dansLaFenetre) const;
};

/** A mark as a failed comparison names it. */
char* toString(Marque m);
