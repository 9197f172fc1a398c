#include "Form6.h"

#include "BoiteTuile.h"
#include "Carte.h"
#include "app/Attente.h"
#include "app/Sons.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Panel3D.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <utility>

namespace {

constexpr int POINTS_LIGNE = 30;
constexpr int PAUSE_ECLAIR_MS = 500;

Bouton* bouton(QWidget* parent, const char* nom, const QRect& g, const QColor& couleur,
               double points) {
    auto* b = new Bouton(parent, QString::fromUtf8(nom), g, QString::fromUtf8(nom));
    b->setFont(policeJeu(points));
    colorer(b, couleur);
    return b;
}

} // namespace

Form6::Form6(EtatJeu& etat, const Services& services, QWidget* principale,
             std::function<void()> montrerScores)
    : QDialog(principale), e(etat), s(services), montrerScores_(std::move(montrerScores)) {
    preparerFenetre(this, QStringLiteral("Form6"), TITRE_FORM6, 5730, 3120, couleurs::faceBouton);
    creerControles();
    Form_Load(principale);
}

void Form6::creerControles() {
    for (int c = 1; c <= 25; ++c) {
        const int colonne = (c - 1) % 5;
        const int rangee = (c - 1) / 5;
        Grille(c) = new BoiteTuile(this, indice("Grille", c),
                                   twips(90 + 660 * colonne, 90 + 600 * rangee, 600, 555));
    }
    Img_Mélange = new BoiteTuile(this, QStringLiteral("Img_Mélange"), twips(4290, 60, 600, 555));
    Img_Mélange->setAccessibleName(QStringLiteral("boule tirée : aucune"));
    Mélanger = bouton(this, "Mélanger", twips(3420, 690, 2265, 435), couleurs::vertFonce, 9.75);
    Tirer = bouton(this, "Tirer", twips(3420, 1170, 1095, 405), couleurs::rouge, 8.25);
    Placer = bouton(this, "Placer", twips(4590, 1170, 1095, 405), couleurs::bleuFonce, 8.25);
    for (int k = 1; k <= 3; ++k)
        Boule(k) =
            new BoiteTuile(this, indice("Boule", k), twips(3600 + 660 * (k - 1), 1770, 600, 555));
    Gagne = Panel3D::creer(this, QStringLiteral("Gagne"), twips(3420, 1740, 2265, 645),
                           QStringLiteral("Gagné ! + 30 Points"), 9.75, couleurs::rouge,
                           couleurs::gris, Qt::AlignCenter);
    Gagne->raise(); // over the three balls
    Fermer = new Bouton(this, QStringLiteral("Fermer"), twips(3420, 2520, 2265, 525),
                        QStringLiteral("Fermer"));
    Fermer->setFont(policeJeu(18));
    setTabOrder(Mélanger, Tirer);
    setTabOrder(Tirer, Placer);
    setTabOrder(Placer, Fermer);

    Melange = new QTimer(this);
    Melange->setObjectName(QStringLiteral("Melange"));
    Melange->setInterval(0);

    connect(Mélanger, &QPushButton::clicked, this, &Form6::Mélanger_Click);
    connect(Melange, &QTimer::timeout, this, &Form6::Melange_Timer);
    connect(Tirer, &QPushButton::clicked, this, &Form6::Tirer_Click);
    connect(Placer, &QPushButton::clicked, this, &Form6::Placer_Click);
    connect(Fermer, &QPushButton::clicked, this, &Form6::Fermer_Click);
}

void Form6::Form_Load(QWidget* principale) {
    if (principale)
        move(principale->window()->pos() + QPoint(px(1920), px(1590)));
    for (int k = 1; k <= 3; ++k)
        Boule(k)->montrer(tuiles::boule);
    Gagne->hide();
    Tirer->setEnabled(false);
    Mélanger->setEnabled(true);
    Placer->setEnabled(false);
    e.Boules_Restantes = 3;
}

// Once per opening: a later activation (the player coming back from another window)
// must not redraw a renewed card over the flashed line.
void Form6::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    // The focus walks from button to button as the draw goes on: it shows from the
    // start, not only once the player has pressed Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (!std::exchange(activee_, true))
        Form_Activate();
}

void Form6::Form_Activate() {
    const int p = e.Joueur;
    e.Arret_Melange = false;
    for (int c = 1; c <= 25; ++c)
        Montrer_Case(c, e.Grille_J(p, c));
    for (int k = 1; k <= 3; ++k)
        Boule(k)->montrer(tuiles::boule);
    // Every ball drawn, some lost by a close before "Placer": nothing left to draw.
    if (Sac_Vide(e, p)) {
        Mélanger->setEnabled(false);
        Fermer->setFocus();
    } else {
        Mélanger->setFocus();
    }
}

void Form6::Montrer_Case(int c, int tuile) {
    Grille(c)->montrer(tuile);
    // Screen readers hear the cell by its place, as the board's cells are heard.
    Grille(c)->setAccessibleName(
        QStringLiteral("ligne %1, colonne %2 : %3")
            .arg((c - 1) / 5 + 1)
            .arg((c - 1) % 5 + 1)
            .arg(tuile == tuiles::boule ? QStringLiteral("couverte") : nomTuile(tuile)));
}

void Form6::Mélanger_Click() {
    const int p = e.Joueur;
    if (Sac_Vide(e, p) || e.Boules_Restantes < 1)
        return; // a spin on an empty bag would never end
    e.Arret_Melange = false;
    Tirer->setEnabled(true);
    Tirer->setFocus();
    Mélanger->setEnabled(false);
    Placer->setEnabled(false);
    rangMelange_ = e.Debut_Sac(p);
    Melange->start();
}

// One picture of the spin: the balls still in the bag in turn, from the start of the bag.
void Form6::Melange_Timer() {
    const int p = e.Joueur;
    if (e.Arret_Melange || Sac_Vide(e, p)) {
        Melange->stop();
        return;
    }
    if (rangMelange_ < e.Debut_Sac(p) || rangMelange_ > 25)
        rangMelange_ = e.Debut_Sac(p);
    Img_Mélange->montrer(e.Sac(p, rangMelange_++));
}

void Form6::Tirer_Click() {
    const int p = e.Joueur;
    if (!decltype(Boule)::contient(e.Boules_Restantes) || Sac_Vide(e, p))
        return;
    Placer->setEnabled(true);
    Boule(e.Boules_Restantes)->montrer(tuiles::croix); // right to left
    e.Arret_Melange = true;
    Melange->stop();
    --e.Boules_Restantes;
    Tirer_Boule(e, p, s.hasard, s.horloge);
    const int boule = e.Grille_J(p, e.Case_Tiree);
    Img_Mélange->montrer(boule);
    Img_Mélange->setAccessibleName(QStringLiteral("boule tirée : ") + nomTuile(boule));
    Placer->setFocus();
    Tirer->setEnabled(false);
}

void Form6::Placer_Click() {
    const int p = e.Joueur;
    Montrer_Case(e.Case_Tiree, tuiles::boule);
    Placer_Boule(e, p);
    Mélanger->setEnabled(e.Boules_Restantes >= 1 && !Sac_Vide(e, p));
    Contrôler();
    // "Placer" stays on with draws left: covering the same cell again changes nothing.
    if (e.Boules_Restantes > 0 && Mélanger->isEnabled()) {
        Mélanger->setFocus();
    } else {
        Fermer->setFocus();
        Placer->setEnabled(false);
    }
}

void Form6::Contrôler() {
    const int p = e.Joueur;
    const int ligne = Ligne_Complete(e, p);
    if (ligne == 0)
        return;
    const QPointer<Form6> garde(this);
    occupee_ = true;
    Jouer_Effet(e, s.son, Effet::Applaudissements);
    if (!garde || Fermeture_Signalee())
        return;
    Gagne->show();
    Gagne->repaint();

    const auto cases = Cases_Ligne(e, ligne);
    const auto montrerLigne = [&](auto tuileDe) {
        for (const int c : cases) {
            Montrer_Case(c, tuileDe(c)); // a screen reader hears each by its place too
            Grille(c)->repaint();
        }
    };
    for (int fois = 1; fois <= 5; ++fois) {
        montrerLigne([&](int c) { return e.Grille_Origine(p, c); });
        if (!Pause())
            return;
        montrerLigne([](int) { return tuiles::visage; });
        if (!Pause())
            return;
    }

    e.Score_J(p) = static_cast<std::int16_t>(e.Score_J(p) + POINTS_LIGNE);
    if (montrerScores_)
        montrerScores_();
    Mélanger->setEnabled(false); // a paid line ends this opening's draws
    Nouvelle_Grille(e, p, s.hasard, s.horloge);
    occupee_ = false;
    if (fermerApres_)
        Fermer_Click();
}

// Input is dropped, not kept for later: a key pressed during the flash must not press
// "Fermer" once it has the focus.
bool Form6::Pause() {
    const QPointer<Form6> garde(this);
    return Attendre(s.horloge, PAUSE_ECLAIR_MS, Saisie::Ignoree, [garde] { return !garde; });
}

void Form6::Fermer_Click() {
    if (occupee_) {
        fermerApres_ = true; // the title bar's close reaches the window during the flash
        return;
    }
    done(QDialog::Accepted);
}

void Form6::reject() {
    Fermer_Click();
}

void Form6::done(int resultat) {
    e.Arret_Melange = true;
    Melange->stop();
    QDialog::done(resultat);
}
