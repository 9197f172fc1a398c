// Typing a proposal: the mirror on the board, Enter, the hidden reveal, and the
// clicks that give the focus back to the answer box.

#include "Form1.h"

#include "app/controles/Bouton.h"
#include "app/controles/Panel3D.h"

#include "app/Pliage.h"
#include "app/controles/Apparence.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

void Form1::Mot_J_Change() {
    if (e.Mot_Fini || e.Ligne < 1)
        return;
    QLineEdit* boite = Mot_J(e.Joueur);
    const QString texte = boite->text();
    if (texte.size() > 5) {
        // Keeps the last five: the nested Change mirrors them.
        boite->setText(texte.right(5));
        boite->setCursorPosition(5);
        return;
    }
    const int debut = (e.Ligne - 1) * 5;
    for (int k = 1; k <= 5; ++k)
        Mot(debut + k)->setText(k <= texte.size() ? QString(plierMajuscule(texte[k - 1]))
                                                  : QStringLiteral(" "));
    e.Mot_Propose = Texte5(plierMajuscules(texte));
}

void Form1::Mot_J_KeyPress_Entree() {
    if (e.Mot_Fini || e.Ligne < 1)
        return; // after a word, the key's release sends the focus to "MOT suivant"
    if (e.Ligne > 1)
        Marquer_Case((e.Ligne - 1) * 5 + 1, Marque::Aucune);
    Verifier_Mot();
    if (!e.Mot_Fini) {
        Mot_J(e.Joueur)->clear();
        Demarrer_Chrono();
    }
}

void Form1::Mot_J_KeyDown(int touche) {
    if (touche == Qt::Key_PageUp)
        e.Voir_Solution = true;
    if (touche == Qt::Key_PageDown)
        e.Voir_Solution = false;
    if (touche == Qt::Key_Insert && e.Voir_Solution)
        Solution->setText(e.Mot_Cherche.texte());
}

void Form1::Mot_J_KeyUp(int touche) {
    if (touche == Qt::Key_Insert)
        Solution->setText(QString());
    if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) && e.Mot_Fini)
        Nouveau->setFocus();
}

bool Form1::eventFilter(QObject* objet, QEvent* ev) {
    const bool boite = objet == Mot_J(1) || objet == Mot_J(2);
    if (boite && ev->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(ev);
        Mot_J_KeyDown(touche->key());
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
            // A held Enter validates one line, not a line per repeat.
            if (!touche->isAutoRepeat())
                Mot_J_KeyPress_Entree();
            return true;
        }
    } else if (boite && ev->type() == QEvent::KeyRelease) {
        const auto* touche = static_cast<QKeyEvent*>(ev);
        // X11 sends a held key as release/press pairs: only the real release counts.
        if (!touche->isAutoRepeat())
            Mot_J_KeyUp(touche->key());
    } else if (!boite && ev->type() == QEvent::MouseButtonPress) {
        Retour_Focus(); // the player frames and the time gauge
    }
    return QWidget::eventFilter(objet, ev);
}
