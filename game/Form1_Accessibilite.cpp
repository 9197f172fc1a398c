// What a screen reader says of the main window: a French name for every control, and
// board cells, scores and the time gauge that tell what the eye sees.

#include "Form1.h"

#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Cadre3D.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>

namespace {

// What a mark says; an empty cell of a marked line is only empty.
QString etatCellule(Marque m, bool lettre) {
    switch (m) {
    case Marque::BienPlacee:
        return QStringLiteral("bien placée");
    case Marque::MalPlacee:
        return QStringLiteral("mal placée");
    case Marque::Debut:
        return QStringLiteral("début de la ligne à jouer");
    case Marque::Absente:
        return lettre ? QStringLiteral("absente") : QString();
    case Marque::Aucune:
        break;
    }
    return QString();
}

} // namespace

QString Form1::Annonce_Cellule(int ligne, int colonne) const {
    const int k = (ligne - 1) * 5 + colonne;
    const QString lettre = Mot(k)->text().trimmed();
    QStringList parties{lettre.isEmpty() ? QStringLiteral("vide") : lettre};
    const QString etat = etatCellule(Marques_Plateau(k), !lettre.isEmpty());
    if (!etat.isEmpty())
        parties << etat;
    return QStringLiteral("ligne %1, colonne %2 : %3")
        .arg(ligne)
        .arg(colonne)
        .arg(parties.join(", "));
}

void Form1::Nommer_Controles() {
    for (int k = 1; k <= 25; ++k)
        Mot(k)->setDescription(
            [this, k] { return Annonce_Cellule((k - 1) / 5 + 1, (k - 1) % 5 + 1); });
    for (int k = 1; k <= 5; ++k) {
        Rep_H(k)->setDescription([this, k] {
            return QStringLiteral("ligne %1 : %2 points")
                .arg(6 - k)
                .arg(Rep_H(k)->text().trimmed());
        });
        Réponse(k)->setDescription([this, k] {
            return QStringLiteral("solution, lettre %1 : %2").arg(k).arg(Réponse(k)->text());
        });
    }
    for (int j = 1; j <= 2; ++j) {
        Score(j)->setDescription([this, j] {
            return QStringLiteral("score du joueur %1 : %2").arg(j).arg(Score(j)->text().trimmed());
        });
        Num_Mot(j)->setDescription([this, j] {
            const QString n = Num_Mot(j)->text();
            return n.isEmpty() ? QStringLiteral("joueur %1 : pas de mot en cours").arg(j)
                               : QStringLiteral("mot n° %1 du joueur %2").arg(n).arg(j);
        });
        Mot_J(j)->setAccessibleName(QStringLiteral("Votre mot, joueur %1").arg(j));
        Image1(j)->setAccessibleName(QStringLiteral("Joueur %1").arg(j));
    }

    // Controls whose caption is empty, a picture, or an abbreviation.
    Panel3D1->setAccessibleName(QStringLiteral("Plateau"));
    Panel3D4->setAccessibleName(QStringLiteral("Nombre de joueurs"));
    Panel3D8->setAccessibleName(QStringLiteral("Jauge du temps"));
    BH_Temps->setAccessibleName(QStringLiteral("Temps maximum, en secondes"));
    Solution->setAccessibleName(QStringLiteral("Solution"));
    Avec_Tirage->setAccessibleName(QStringLiteral("Tirage"));
    Nouv_Partie->setAccessibleName(QStringLiteral("Nouvelle partie"));
    Nouveau->setAccessibleName(QStringLiteral("Mot suivant"));
    A_Propos->setAccessibleName(QStringLiteral("À propos"));
    Scores->setAccessibleName(QStringLiteral("Scores"));
    Annoncer_Temps();
}

// The gauge and the limit are said in words; the bar itself also reports its value.
void Form1::Annoncer_Temps() {
    const QString limite = QStringLiteral("temps maximum : %1 secondes").arg(BH_Temps->value());
    if (Etiq_Temps->accessibleName() != limite)
        Etiq_Temps->setAccessibleName(limite);
    const QString jauge = QStringLiteral("temps écoulé : %1 sur %2 secondes")
                              .arg(Temps->value())
                              .arg(BH_Temps->value());
    if (Temps->accessibleName() != jauge)
        Temps->setAccessibleName(jauge);
}
