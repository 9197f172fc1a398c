// The sound switch, the About and Help windows, and leaving the program.

#include "Form1.h"

#include "app/Attente.h"

#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "extras/Form2.h"
#include "extras/Form3.h"

#include <QAction>
#include <QCoreApplication>

void Form1::Son_Off_Click() {
    Son_Off->hide();
    Son_On->show();
    e.Son_Actif = true;
    Action_Son->setChecked(true);
    s.son.preparer();
    Retour_Focus();
}

void Form1::Son_On_Click() {
    Son_On->hide();
    Son_Off->show();
    e.Son_Actif = false;
    Action_Son->setChecked(false);
    Retour_Focus();
}

// Neither window stops the answer clock: a line can time out while they are open,
// and what the time-out opens shows over them.
void Form1::A_Propos_Click() {
    {
        Form2 apropos(this);
        apropos.exec();
    }
    Retour_Focus();
}

void Form1::Aide_Click() {
    {
        Form3 aide(this, reglages_.couleursAdaptees);
        aide.exec();
    }
    Retour_Focus();
}

void Form1::Quitter_Click() {
    // Every window goes with the event loops; nothing is saved, nothing is asked.
    Signaler_Fermeture(true);
    QCoreApplication::exit(0);
}
