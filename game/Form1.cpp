#include "Form1.h"

#include "Niveaux.h"
#include "app/Attente.h"
#include "app/controles/Bouton.h"
#include "app/controles/BoutonBascule.h"
#include "app/controles/Cadre3D.h"
#include "app/controles/FiltreRepetition.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include "app/controles/Apparence.h"
#include "bonus/Carte.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace {

QRadioButton* option(QWidget* parent, const QString& nom, const QRect& g, const QString& legende) {
    auto* b = new QRadioButton(legende, parent);
    b->setObjectName(nom);
    b->setGeometry(g);
    b->setFont(policeJeu(9.75));
    colorer(b, couleurs::noir); // not the caption colour of the panel around it
    return b;
}

Panel3D* panneau(QWidget* parent, const QString& nom, const QRect& g, const QString& legende,
                 double points, const QColor& texte, const QColor& fond = couleurs::faceBouton,
                 Qt::Alignment alignement = Qt::AlignHCenter | Qt::AlignTop) {
    return Panel3D::creer(parent, nom, g, legende, points, texte, fond, alignement);
}

} // namespace

Form1::Form1(EtatJeu& etat, const Services& services, Emplacements emplacements, Reglages reglages,
             QWidget* parent)
    : QWidget(parent), e(etat), s(services), emplacements_(std::move(emplacements)),
      reglages_(reglages), motsTires_(emplacements_.motsTires) {
    Signaler_Fermeture(false);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("   V E R L O  Version 32 bits  1.4  -  l'équipe VERLO"));
    setFixedSize(632, 403);
    colorer(this, QColor(), couleurs::bleuFonce);

    Minuterie1 = new QTimer(this);
    Minuterie1->setObjectName(QStringLiteral("Minuterie1"));
    Minuterie1->setInterval(990);

    creerOptions();
    creerJoueur(1);
    creerJoueur(2);
    creerPlateau();
    creerBoutons();
    connecter();
    Form_Load();
    QTimer::singleShot(0, this, &Form1::finirConstruction);
}

// What can wait until the window shows: the first window of the program maps
// sooner, and nothing here is seen before the first paint.
void Form1::finirConstruction() {
    creerBoites();
    Nommer_Controles();
    ordreTabulation();
    creerActions();
    Nouveau->setFocus(); // tab index 0; focusing also wakes the accessibility bridge
    chargerImages();
}

void Form1::chargerImages() {
    setWindowIcon(QIcon(imageJeu(QStringLiteral(":/pictures/verlo.png"))));
    Avec_Tirage->setIcon(QIcon(imageJeu(QStringLiteral(":/pictures/tirage.png"))));
    for (Image* image : {Image1(1), Image1(2), Son_On, Son_Off})
        image->charger();
}

void Form1::creerOptions() {
    Diff_Titre = panneau(this, QStringLiteral("Diff_Titre"), twips(60, 4290, 1695, 1185),
                         QStringLiteral("Niveau"), 9.75, couleurs::rougeFonce);
    for (int i = 1; i <= 3; ++i)
        Difficulté(i) = option(Diff_Titre, indice("Difficulté", i),
                               twips(180, 330 + 240 * (i - 1), 1395, 255), legendeNiveau(i));
    Difficulté(1)->setChecked(true);

    Panel3D4 = panneau(this, QStringLiteral("Panel3D4"), twips(60, 3330, 1695, 915),
                       QStringLiteral("Nbre de joueurs"), 8.25, couleurs::bleuFonce);
    Nb_J(1) =
        option(Panel3D4, indice("Nb_J", 1), twips(180, 270, 1275, 315), QStringLiteral("1 Joueur"));
    Nb_J(2) = option(Panel3D4, indice("Nb_J", 2), twips(180, 540, 1335, 285),
                     QStringLiteral("2 Joueurs"));
    Nb_J(1)->setChecked(true);

    Avec_Tirage =
        new BoutonBascule(this, QStringLiteral("Avec_Tirage"), twips(60, 5520, 1725, 465));
    Avec_Tirage->setIconSize(QSize(109, 23));
    Avec_Tirage->setToolTip(QStringLiteral("Tirage : une grille de bonus à chaque mot trouvé"));
}

void Form1::creerJoueur(int j) {
    const bool un = j == 1;
    auto* cadre =
        new Cadre3D(this, un ? QStringLiteral("Frame3D1") : QStringLiteral("Frame3D2"),
                    twips(un ? 60 : 7740, 60, 1695, 3225), QStringLiteral("Joueur %1").arg(j));
    cadre->setFont(policeJeu(13.5));
    colorer(cadre, couleurs::noir, couleurs::faceBouton);
    (un ? Frame3D1 : Frame3D2) = cadre;

    auto* panneauScore = panneau(
        cadre, un ? QStringLiteral("Panel3D2") : QStringLiteral("Panel3D3"),
        twips(60, 360, 1575, un ? 1875 : 1845), QStringLiteral("Score"), 13.5, couleurs::noir);
    (un ? Panel3D2 : Panel3D3) = panneauScore;
    Score(j) = panneau(panneauScore, indice("Score", j), twips(120, 390, 1335, 615),
                       QStringLiteral("000"), 24, couleurs::noir);
    // Player 2's counter stands 2 px higher and covers the caption's foot down to 11.25 points.
    Panel3D6(j - 1) = panneau(panneauScore, indice("Panel3D6", j - 1), twips(120, 990, 1335, 315),
                              QStringLiteral("Mot N°"), un ? 12 : 10.5, couleurs::noir);
    Num_Mot(j) = panneau(panneauScore, indice("Num_Mot", j),
                         un ? twips(360, 1290, 855, 495) : twips(390, 1260, 855, 495), QString(),
                         18, couleurs::noir, couleurs::faceBouton, Qt::AlignCenter);

    Panel3D5(j - 1) = panneau(cadre, indice("Panel3D5", j - 1),
                              un ? twips(60, 2220, 1575, 405) : twips(30, 2190, 1635, 435),
                              QStringLiteral("Votre MOT"), un ? 8.25 : 9.75, couleurs::bleuFonce);

    Image1(j) = new Image(cadre, indice("Image1", j),
                          un ? twips(570, 2640, 510, 510) : twips(630, 2640, 510, 510),
                          QStringLiteral(":/pictures/joueur%1.png").arg(j));
}

// A text box lays its text out as soon as it exists, which loads the font
// database: the boxes, hidden until a game starts, are made once the window is up.
void Form1::creerBoites() {
    for (int j = 1; j <= 2; ++j) {
        const bool un = j == 1;
        auto* boite = new QLineEdit(un ? Frame3D1 : Frame3D2);
        boite->setObjectName(indice("Mot_J", j));
        boite->setGeometry(un ? twips(90, 2640, 1515, 510) : twips(60, 2640, 1575, 510));
        boite->setFont(policeJeu(13.5));
        colorer(boite, couleurs::noir, couleurs::cyan);
        boite->hide();
        boite->raise(); // above the icon that shares its place
        // The window's menu rather than the box's own edit menu.
        boite->setContextMenuPolicy(Qt::NoContextMenu);
        Mot_J(j) = boite;
        connect(boite, &QLineEdit::textChanged, this, &Form1::Mot_J_Change);
        boite->installEventFilter(this);
        FiltreRepetition::appliquer(boite); // after: it runs first
    }
}

void Form1::creerPlateau() {
    Panel3D1 = panneau(this, QStringLiteral("Panel3D1"), twips(1830, 0, 5895, 6015), QString(),
                       8.25, couleurs::blanc, couleurs::noir, Qt::AlignCenter);

    for (int k = 1; k <= 5; ++k)
        Rep_H(k) =
            panneau(Panel3D1, indice("Rep_H", k), twips(180, 300 + 960 * (5 - k), 675, 615),
                    QString::number(5 * k), 18, couleurs::noir, couleurs::orange, Qt::AlignCenter);

    for (int k = 1; k <= 25; ++k) {
        const int r = (k - 1) / 5 + 1;
        const int c = (k - 1) % 5 + 1;
        Mot(k) = panneau(Panel3D1, indice("Mot", k), twips(960 * c, 180 + 960 * (r - 1), 855, 855),
                         QString(), 24, couleurs::noir, couleurs::faceBouton, Qt::AlignCenter);
    }

    for (int c = 1; c <= 5; ++c) {
        Réponse(c) = panneau(Panel3D1, indice("Réponse", c), twips(960 * c, 4980, 855, 855),
                             QString(), 24, couleurs::gris, couleurs::vertFonce, Qt::AlignCenter);
        Réponse(c)->hide(); // shares its place with the time panel
    }

    Cadre_Temps = panneau(Panel3D1, QStringLiteral("Cadre_Temps"), twips(960, 4950, 4695, 930),
                          QStringLiteral("Temps maxi (sec.)"), 12, couleurs::noir,
                          couleurs::faceBouton, Qt::AlignLeft | Qt::AlignTop);
    Cadre_Temps->setIndent(px(120));

    BH_Temps = new QScrollBar(Qt::Horizontal, Cadre_Temps);
    BH_Temps->setObjectName(QStringLiteral("BH_Temps"));
    BH_Temps->setGeometry(twips(2970, 105, 1560, 300));
    BH_Temps->setRange(0, 300);
    BH_Temps->setValue(60);
    BH_Temps->setSingleStep(5);
    BH_Temps->setPageStep(5);
    BH_Temps->setFocusPolicy(Qt::StrongFocus);
    BH_Temps->setContextMenuPolicy(Qt::NoContextMenu); // the window's menu

    Etiq_Temps = new QLabel(QStringLiteral("60"), Cadre_Temps);
    Etiq_Temps->setObjectName(QStringLiteral("Etiq_Temps"));
    Etiq_Temps->setGeometry(twips(2295, 105, 600, 285));
    Etiq_Temps->setAlignment(Qt::AlignCenter);
    Etiq_Temps->setFont(policeJeu(8.25));
    colorer(Etiq_Temps, couleurs::noir, couleurs::jaune);

    Panel3D8 = panneau(Cadre_Temps, QStringLiteral("Panel3D8"), twips(120, 390, 4455, 450),
                       QString(), 8.25, couleurs::blanc);
    Panel3D8->setFrameShadow(QFrame::Sunken);

    Temps = new QProgressBar(Panel3D8);
    Temps->setObjectName(QStringLiteral("Temps"));
    Temps->setGeometry(twips(90, 90, 4245, 270));
    Temps->setRange(0, 59);
    Temps->setValue(0);
    Temps->setTextVisible(false);
    QPalette p = Temps->palette();
    p.setColor(QPalette::Highlight, couleurs::barreTemps);
    p.setColor(QPalette::Base, couleurs::gris);
    p.setColor(QPalette::Window, couleurs::gris);
    Temps->setPalette(p);

    Son_On = new Image(Panel3D1, QStringLiteral("Son_On"), twips(240, 4470, 510, 510),
                       QStringLiteral(":/pictures/son_on.png"));
    Son_On->hide();
    Son_Off = new Image(Panel3D1, QStringLiteral("Son_Off"), twips(270, 5100, 510, 510),
                        QStringLiteral(":/pictures/son_off.png"));
    for (auto [image, texte] : {std::pair{Son_Off, "Son coupé : cliquer pour l'activer"},
                                std::pair{Son_On, "Son activé : cliquer pour le couper"}}) {
        image->setToolTip(QString::fromUtf8(texte));
        image->setAccessibleName(QString::fromUtf8(texte));
    }

    Solution = new QLabel(QString(13, QLatin1Char(' ')), Panel3D1);
    Solution->setObjectName(QStringLiteral("Solution"));
    Solution->setGeometry(twips(90, 5640, 825, 285));
    Solution->setFont(policeJeu(8.25));
    colorer(Solution, couleurs::blanc, couleurs::noir);
}

void Form1::creerBoutons() {
    const auto bouton = [this](const char* nom, int haut, int hauteur, const char* legende,
                               const QColor& couleur, double points = 8.25) {
        auto* b = new Bouton(this, QString::fromUtf8(nom), twips(7740, haut, 1695, hauteur),
                             QString::fromUtf8(legende));
        b->setFont(policeJeu(points));
        colorer(b, couleur);
        return b;
    };
    A_Propos = bouton("A_Propos", 3330, 435, "A propos...", couleurs::violet);
    Scores = bouton("Scores", 3780, 405, "Scores...", couleurs::rougeFonce);
    Nouv_Partie = bouton("Nouv_Partie", 4200, 435, "Nouv. Partie", couleurs::noir);
    Nouveau = bouton("Nouveau", 4650, 435, "MOT suivant", couleurs::bleuFonce);
    Aide = bouton("Aide", 5100, 405, "Aide", couleurs::vertMoyen);
    Quitter = bouton("Quitter", 5550, 465, "Quitter", couleurs::rougeFonce, 13.5);
}

void Form1::ordreTabulation() {
    const QList<QWidget*> ordre{Nouveau,       Mot_J(1), Mot_J(2),    Aide,          Quitter,
                                A_Propos,      Scores,   Nouv_Partie, Difficulté(1), Difficulté(2),
                                Difficulté(3), Nb_J(1),  Nb_J(2),     BH_Temps,      Avec_Tirage};
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

void Form1::connecter() {
    connect(Nouv_Partie, &QPushButton::clicked, this, &Form1::Nouv_Partie_Click);
    // A new game on a change of option only (mouse or arrow keys); a click on the option
    // already selected changes nothing and only gives the focus back.
    const auto siChoisie = [this](void (Form1::*action)()) {
        return [this, action](bool choisie) {
            if (choisie)
                (this->*action)();
        };
    };
    for (int i = 1; i <= 2; ++i) {
        connect(Nb_J(i), &QRadioButton::toggled, this, siChoisie(&Form1::Nb_J_Click));
        connect(Nb_J(i), &QRadioButton::clicked, this, &Form1::Retour_Focus);
    }
    for (int i = 1; i <= 3; ++i) {
        connect(Difficulté(i), &QRadioButton::toggled, this, siChoisie(&Form1::Difficulté_Click));
        connect(Difficulté(i), &QRadioButton::clicked, this, &Form1::Retour_Focus);
    }
    connect(Diff_Titre, &Panel3D::clicked, this, &Form1::Diff_Titre_Click);
    connect(Avec_Tirage, &QPushButton::clicked, this, &Form1::Avec_Tirage_Click);
    connect(BH_Temps, &QScrollBar::valueChanged, this, &Form1::BH_Temps_Change);
    connect(Minuterie1, &QTimer::timeout, this, &Form1::Minuterie1_Timer);
    connect(Nouveau, &QPushButton::clicked, this, &Form1::Nouveau_Click);
    connect(Scores, &QPushButton::clicked, this, &Form1::Scores_Click);
    connect(Son_Off, &Image::clicked, this, &Form1::Son_Off_Click);
    connect(Son_On, &Image::clicked, this, &Form1::Son_On_Click);
    connect(A_Propos, &QPushButton::clicked, this, &Form1::A_Propos_Click);
    connect(Aide, &QPushButton::clicked, this, &Form1::Aide_Click);
    connect(Quitter, &QPushButton::clicked, this, &Form1::Quitter_Click);

    // Clicks around the board give the focus back to the answer box.
    QList<Panel3D*> panneaux{Panel3D1, Panel3D4, Panel3D5(0), Panel3D5(1), Score(1), Score(2)};
    for (int k = 1; k <= 25; ++k)
        panneaux << Mot(k);
    for (int k = 1; k <= 5; ++k)
        panneaux << Rep_H(k);
    for (auto* p : panneaux)
        connect(p, &Panel3D::clicked, this, &Form1::Retour_Focus);
    for (QWidget* w : {static_cast<QWidget*>(Frame3D1), static_cast<QWidget*>(Frame3D2),
                       static_cast<QWidget*>(Temps)})
        w->installEventFilter(this);
}

void Form1::Form_Load() {
    move(0, 0);
    Son_On->move(px(270), px(5100));
    e.Tirage_Actif = Avec_Tirage->isChecked();
    setWindowTitle(TITRE_FORM1);
    Nouvelles_Grilles(e, s.hasard, s.horloge);
}
