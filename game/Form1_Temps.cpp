// The answer time limit: the scroll bar, the gauge and the answer timer.

#include "Form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

void Form1::Demarrer_Chrono() {
    e.Debut_Chrono = s.horloge.monotoneMs();
    Minuterie1->start();
    Regler_Jauge(0);
}

// A range of 0..0 would show Qt's busy animation and a value outside the range
// would be dropped unseen: a limit of 0 or 1 shows an empty bar, and the value
// is held within the range.
void Form1::Regler_Jauge(int valeur) {
    const int limite = BH_Temps->value();
    Temps->setRange(0, std::max(limite - 1, 1));
    Temps->setValue(limite <= 1 ? 0 : std::clamp(valeur, 0, Temps->maximum()));
    Annoncer_Temps();
}

void Form1::BH_Temps_Change() {
    Etiq_Temps->setText(QString::number(BH_Temps->value()));
    Regler_Jauge(Temps->value());
    Retour_Focus();
}

void Form1::Minuterie1_Timer() {
    const int limite = BH_Temps->value();
    const double ecoule = (s.horloge.monotoneMs() - e.Debut_Chrono) / 1000.0;
    if (ecoule < limite) {
        Regler_Jauge(static_cast<int>(ecoule));
    } else {
        Regler_Jauge(0);
        Minuterie1->stop();
        // Only a line of a running word can time out.
        if (e.Ligne >= 1 && !e.Mot_Fini) {
            s.son.bip();
            Mot_J_KeyPress_Entree();
        }
    }
    if (e.Focus_Attente == 1) {
        e.Focus_Attente = 0;
        e.Mot_Fini = false;
        Mot_J(1)->setFocus();
        // The box was written while the last word was still over: mirror it now,
        // or the previous word's last proposal would be the one evaluated.
        Mot_J_Change();
    }
}
