#include "Form3.h"

#include "EtiquetteAide.h"
#include "app/Marquage.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Panel3D.h"

#include <QLabel>

namespace {

const QColor grisClair(224, 224, 224);

Panel3D* panneau(QWidget* parent, const QString& nom, const QRect& g, const QString& texte,
                 double points, const QColor& couleur, const QColor& fond = couleurs::faceBouton,
                 Qt::Alignment alignement = Qt::AlignCenter) {
    auto* p = Panel3D::creer(parent, nom, g, texte, points, couleur, fond, alignement);
    p->setWordWrap(true);
    return p;
}

/** A text on the silver of its panel. */
QLabel* etiquette(QWidget* parent, const char* nom, const QRect& g, const QString& texte,
                  const QColor& couleur = couleurs::noir,
                  Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignTop) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QString::fromUtf8(nom));
    l->setGeometry(g);
    l->setWordWrap(true);
    l->setAlignment(alignement);
    l->setFont(policeJeu(9.75));
    colorer(l, couleur, couleurs::gris);
    return l;
}

} // namespace

Form3::Form3(QWidget* principale, bool couleursAdaptees) : QDialog(principale) {
    preparerFenetre(this, QStringLiteral("Form3"), TITRE_FORM3, 9480, 6045, couleurs::gris);

    Panel3D1 = panneau(this, QStringLiteral("Panel3D1"), twips(60, 60, 9375, 5955), QString(), 8.25,
                       couleurs::noir);
    Panel3D2 = panneau(Panel3D1, QStringLiteral("Panel3D2"), twips(150, 120, 9075, 795),
                       QStringLiteral("VERLO est un jeu de lettres pour un ou deux joueurs.\n"
                                      "Il s'agit de trouver un mot de 5 lettres dont la 1° "
                                      "lettre est donnée, en passant d'un mot à un autre par "
                                      "un autre mot."),
                       9.75, couleurs::noir);
    Panel3D9 = panneau(Panel3D1, QStringLiteral("Panel3D9"), twips(360, 930, 8625, 795),
                       QStringLiteral("Le tableau des 12 meilleurs Scores  peut être consulté à "
                                      "tout moment mais sa mise à jour éventuelle ne peut "
                                      "intervenir qu'en Fin de Partie (10 mots proposés)."),
                       9.75, couleurs::noir);
    creerRegles(couleursAdaptees);
    creerExemple(couleursAdaptees);
    creerScores();
    SSPanel1 = panneau(
        Panel3D1, "SSPanel1", twips(150, 5160, 9105, 675),
        QStringLiteral("Si l'option Tirage a été choisie, une grille apparaîtra chaque fois que "
                       "vous aurez trouvé un mot. Si vous réussissez à réaliser une ligne "
                       "(Horiz., Vert. ou Diagonale), vous gagnez 30 points supplémentaires.   "
                       "Avec un peu de chance, vous pourrez remplir plusieurs grilles dans une "
                       "partie."),
        8.25, couleurs::bleuFonce, couleurs::gris);

    Quitter = new Bouton(Panel3D1, QStringLiteral("Quitter"), twips(5160, 4530, 4065, 555),
                         QStringLiteral("Quitter l'aide"));
    Quitter->setFont(policeJeu(18));
    colorer(Quitter, couleurs::rougeFonce);
    connect(Quitter, &QPushButton::clicked, this, &Form3::Quitter_Click);

    Form_Load(principale);
    // The panels with no caption, named for screen readers.
    Panel3D1->setAccessibleName(QStringLiteral("Aide"));
    Panel3D4->setAccessibleName(QStringLiteral("Comment jouer"));
    Panel3D6->setAccessibleName(QStringLiteral("Exemple : le mot TABLE trouvé en cinq lignes"));
    Panel3D3->setAccessibleName(QStringLiteral("Points"));
}

void Form3::creerRegles(bool couleursAdaptees) {
    Panel3D4 = panneau(Panel3D1, QStringLiteral("Panel3D4"), twips(120, 1710, 4995, 3435),
                       QString(), 8.25, couleurs::noir);
    Etiquette2 = new EtiquetteAide(
        Panel3D4, QStringLiteral("Etiquette2"), twips(120, 120, 4635, 975),
        QStringLiteral("1°) Choisissez le nombre de joueurs (1 ou 2)  2°) Choisissez le niveau de "
                       "difficulté.               3°) Inscrivez, dans la case du Joueur,        "
                       "                 le MOT proposé."));
    Etiquette2->setFont(policeJeu(9.75));
    colorer(Etiquette2, couleurs::noir, couleurs::gris);
    Etiquette3 = etiquette(Panel3D4, "Etiquette3", twips(120, 1050, 4755, 285),
                           QStringLiteral("4°) Validez, au clavier par \"Enter\" ou \"Return\""));
    Etiquette1 =
        etiquette(Panel3D4, "Etiquette1", twips(120, 1380, 2955, 495),
                  QStringLiteral("Les Lettres à leur place sont signalées dans un fond ") +
                      (couleursAdaptees ? QStringLiteral("orange") : QStringLiteral("vert")));
    Etiquette4 =
        etiquette(Panel3D4, "Etiquette4", twips(120, 1980, 3015, 495),
                  QStringLiteral("Les lettres mal placées sont signalées par un fond ") +
                      (couleursAdaptees ? QStringLiteral("bleu.") : QStringLiteral("jaune.")));
    Etiquette5 = etiquette(Panel3D4, "Etiquette5", twips(120, 2580, 3015, 735),
                           QStringLiteral("Les lettres inexistantes dans le mot à trouver ne "
                                          "changent pas de couleur."));
}

// The example is marked by the game's own rule, so that it can never teach another one.
void Form3::creerExemple(bool couleursAdaptees) {
    Panel3D8 = panneau(Panel3D4, QStringLiteral("Panel3D8"), twips(3120, 1320, 1695, 285),
                       QStringLiteral("E x e m p l e"), 8.25, couleurs::rougeFonce);
    Panel3D6 = panneau(Panel3D4, QStringLiteral("Panel3D6"), twips(3120, 1620, 1695, 1695),
                       QString(), 8.25, couleurs::noir, couleurs::noir);
    const Texte5 cherche(QStringLiteral("TABLE"));
    const QString lignes[] = {QStringLiteral("TENTE"), QStringLiteral("LACET"),
                              QStringLiteral("ARBRE"), QStringLiteral("CIBLE"),
                              QStringLiteral("TABLE")};
    for (int r = 0; r < 5; ++r) {
        const Texte5 propose(lignes[r]);
        const bool trouve = propose == cherche;
        const auto marques = Marquer(cherche, propose);
        for (int c = 0; c < 5; ++c) {
            const int k = 5 * r + c;
            // A letter the word does not hold stays on the panel's face.
            QColor fond = marques[c] == Marque::Absente
                              ? couleurs::faceBouton
                              : couleurMarque(marques[c], couleursAdaptees);
            // The found word is shown as the solution row shows it.
            if (trouve)
                fond = couleurs::vertFonce;
            Panel3D7(k) =
                panneau(Panel3D6, indice("Panel3D7", k),
                        twips(120 + 300 * (k % 5), 120 + 300 * (k / 5), 255, 255),
                        lignes[r].mid(c, 1), 8.25, trouve ? grisClair : couleurs::noir, fond);
        }
    }
}

void Form3::creerScores() {
    Panel3D3 = panneau(Panel3D1, QStringLiteral("Panel3D3"), twips(5130, 1710, 4125, 2775),
                       QString(), 8.25, couleurs::noir);
    Panel3D5 = panneau(Panel3D3, QStringLiteral("Panel3D5"), twips(120, 120, 3825, 495),
                       QStringLiteral("Scores"), 12, couleurs::vertMoyen);
    Etiquette6 = etiquette(Panel3D3, "Etiquette6", twips(660, 660, 1575, 255),
                           QStringLiteral("Mot trouvé à la"));
    Etiquette7 =
        new EtiquetteAide(Panel3D3, QStringLiteral("Etiquette7"), twips(2280, 660, 1455, 1275),
                          QStringLiteral("1° ligne -> 25   2° ligne -> 20   3° ligne -> "
                                         "15   4° ligne -> 10   5° ligne ->   5"));
    Etiquette7->setFont(policeJeu(9.75));
    colorer(Etiquette7, couleurs::noir, couleurs::gris);
    Panel3D10 = panneau(Panel3D3, QStringLiteral("Panel3D10"), twips(150, 960, 2055, 855),
                        QStringLiteral("Difficulté 1 : -------> Difficulté 2 : + 40%  "
                                       "Difficulté 3 : + 60%"),
                        9.75, couleurs::noir, couleurs::faceBouton, Qt::AlignLeft | Qt::AlignTop);
    Etiquette8 = etiquette(Panel3D3, "Etiquette8", twips(120, 1890, 3885, 735),
                           QStringLiteral("La partie se termine quand 10 mots ont été proposés à "
                                          "chacun des joueurs."),
                           couleurs::rougeFonce, Qt::AlignHCenter | Qt::AlignTop);
}

void Form3::Form_Load(QWidget* principale) {
    if (principale)
        move(principale->window()->pos());
    Quitter->setFocus();
}

void Form3::Quitter_Click() {
    accept();
}

void Form3::reject() {
    Quitter_Click();
}
