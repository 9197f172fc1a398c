#include "Form5.h"

#include "app/Sons.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <climits>

Form5::Form5(EtatJeu& etat, const Services& services, QWidget* principale)
    : QDialog(principale), e(etat), s(services) {
    preparerFenetre(this, QStringLiteral("Form5"), TITRE_FORM5, 5700, 2520, couleurs::violet);

    Panel3D1 = new Panel3D(this, QStringLiteral("Panel3D1"), twips(840, 120, 4215, 1335));
    Panel3D1->setText(QStringLiteral("Votre Score trop nul ne vous permet pas d'entrer dans le "
                                     "Hit-Parade ! Essayez de faire un peu mieux la prochaine "
                                     "fois !..."));
    Panel3D1->setWordWrap(true);
    Panel3D1->setFont(policeJeu(12));
    Panel3D1->setForeColor(couleurs::bleuFonce);
    Panel3D1->setBackColor(couleurs::faceBouton);

    for (int i = 1; i <= 2; ++i) {
        Image1(i) = new Image(this, indice("Image1", i), twips(2580, 1500, 480, 480),
                              QStringLiteral(":/pictures/mouton%1.png").arg(i));
        Image1(i)->setAccessibleName(QStringLiteral("Mouton"));
        Image1(i)->charger();
    }

    Minuterie1 = new QTimer(this);
    Minuterie1->setObjectName(QStringLiteral("Minuterie1"));
    Minuterie1->setInterval(1000);

    Daccord = new Bouton(this, QStringLiteral("Daccord"), twips(1920, 2010, 1725, 465),
                         QStringLiteral("D'ACCORD !"));
    Daccord->setFont(policeJeu(12));
    colorer(Daccord, couleurs::rougeFonce);

    connect(Minuterie1, &QTimer::timeout, this, &Form5::Minuterie1_Timer);
    connect(Daccord, &QPushButton::clicked, this, &Form5::Daccord_Click);
    Form_Load(principale);
}

void Form5::Form_Load(QWidget* principale) {
    if (principale)
        move(principale->window()->pos() + QPoint(px(1800), px(1480)));
    for (int i = 1; i <= 2; ++i)
        Image1(i)->move(px(2580), px(1500));
    Image1(1)->hide();
    Image1(2)->show();
    Daccord->setFocus();
    Minuterie1->start();
}

// A tick falling due while another is in its waits runs right after it, once however many
// fell due: the pictures keep their one-second beat and ticks never run inside one another.
void Form5::Minuterie1_Timer() {
    if (tickEnCours_) {
        tickEnRetard_ = true;
        return;
    }
    const QPointer<Form5> garde(this);
    tickEnCours_ = true;
    bool ouverte = true;
    do {
        tickEnRetard_ = false;
        ouverte = Animer();
    } while (ouverte && tickEnRetard_);
    if (garde)
        tickEnCours_ = false;
}

/** One cycle of the sheep; false when the window was closed meanwhile (touch nothing then). */
bool Form5::Animer() {
    const QPointer<Form5> garde(this);
    Image1(2)->hide();
    Image1(1)->show();
    if (e.Son_Actif) {
        Jouer_Effet(e, s.son, Effet::Mouton);
        if (!garde || fermee_)
            return false;
        Image1(1)->hide();
        Image1(2)->show();
        return Attendre();
    }
    if (!Attendre())
        return false;
    Image1(1)->hide();
    Image1(2)->show();
    return Attendre();
}

/**
 * Lets the window handle its events (the button included) until the wait has lasted on the
 * steady clock, which neither midnight nor a change of the system time moves. False when the
 * window was closed or destroyed meanwhile.
 */
bool Form5::Attendre() {
    const QPointer<Form5> garde(this);
    IHorloge& horloge = s.horloge; // outlives the window
    const std::int64_t fin = horloge.monotoneMs() + attenteMs_;
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    for (std::int64_t reste = attenteMs_; reste > 0; reste = fin - horloge.monotoneMs()) {
        reveil.start(static_cast<int>(std::min<std::int64_t>(reste, INT_MAX)));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!garde || fermee_)
            return false;
    }
    return true;
}

void Form5::Daccord_Click() {
    done(QDialog::Accepted);
}

void Form5::reject() {
    Daccord_Click();
}

void Form5::done(int resultat) {
    fermee_ = true;
    Minuterie1->stop();
    QDialog::done(resultat);
}
