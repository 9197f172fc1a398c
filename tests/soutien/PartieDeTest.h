#pragma once
// The main window on a known game: short lists, the clock and the draws in the test's hands,
// and short ways to play it as a player would.

#include "Clavier.h"
#include "Doubles.h"
#include "Etat.h"
#include "app/Marquage.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"
#include "game/Form1.h"

#include <QTest>
#include <QTimer>

#include <QColor>
#include <QLineEdit>
#include <QStringList>
#include <functional>
#include <memory>

struct PartieDeTest {
    EtatJeu e;
    ServicesDeTest d;
    std::unique_ptr<Form1> f;

    /** Level n draws from listes[n - 1]; the score table is read from, and saved to, a file
     * that cannot exist. The window is shown and active. */
    explicit PartieDeTest(const QStringList& liste1 = {"TERRE"},
                          const QStringList& liste2 = {"SALUT"},
                          const QStringList& liste3 = {"MAMAN"});

    QLineEdit* boite() const;
    bool vu(const QWidget* w) const;
    QWidget* focus() const;
    void entree() const;
    /** The box's text replaced by `texte`, typed, then Enter. */
    void proposer(const QString& texte) const;
    /** One tick of the answer timer, as its period would have given, `ms` later. */
    void tic(std::int64_t ms = 0);
    /** The mark of board cell (ligne, colonne), and its letter. */
    Marque marque(int ligne, int colonne) const;
    QString lettre(int ligne, int colonne) const;

    void cliquer(QWidget* w) const { ::cliquer(w); }
    void taper(const QString& texte) const;
    template <class F> static QString suite(int n, F lu) {
        QString s;
        for (int c = 1; c <= n; ++c)
            s += lu(c);
        return s;
    }
    static QString lettre(const QColor& k);
    QString ligne(int l) const;
    QString couleurs(int l) const;
    QString solution() const;
    QString plateau() const;
    QString meneur() const;
    QString places() const;
};

/**
 * Runs `dansLaFenetre` on the next modal window (of that name, if given) as soon as it is up.
 * A check that fails inside closes it, so that the test reports instead of waiting for ever.
 */
void quandModale(std::function<void(QWidget*)> dansLaFenetre, const QString& nom = {});
