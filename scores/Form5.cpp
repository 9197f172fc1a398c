#include "Form5.h"

#include "app/Attente.h"
#include "app/Sons.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace {
constexpr std::int64_t PERIODE_MS = 1000; // the animation's tick
constexpr std::int64_t ATTENTE_MS = 1000; // each wait of a tick
} // namespace

Form5::Form5(const EtatJeu& etat, const Services& services, QWidget* principale)
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
    Minuterie1->setSingleShot(true);
    Minuterie1->setTimerType(Qt::PreciseTimer);

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
    prochainTick_ = s.horloge.monotoneMs() + PERIODE_MS;
    Minuterie1->start(static_cast<int>(PERIODE_MS));
}

// A tick and its waits, measured on the services' steady clock (which neither midnight nor a
// change of the system time moves); the waits let the window answer. Ticks never run inside
// one another: the single-shot timer is started again only once a tick has ended, at once
// when the next tick fell due during the waits (however many did), so that the open mouth
// never stays twice as long. Nothing blocks but the bleat.
void Form5::Minuterie1_Timer() {
    const QPointer<Form5> garde(this);
    const auto fermee = [garde] {
        return !garde || garde->fermee_;
    };
    while (prochainTick_ <= s.horloge.monotoneMs())
        prochainTick_ += PERIODE_MS;
    Image1(2)->hide();
    Image1(1)->show();
    if (e.Son_Actif) {
        Jouer_Effet(e, s.son, Effet::Mouton); // the closed mouth stays through the bleat
        if (fermee())
            return;
    } else if (!Attendre(s.horloge, ATTENTE_MS, Saisie::Permise, fermee)) {
        return;
    }
    Image1(1)->hide();
    Image1(2)->show();
    if (!Attendre(s.horloge, ATTENTE_MS, Saisie::Permise, fermee))
        return;
    const std::int64_t reste = prochainTick_ - s.horloge.monotoneMs();
    Minuterie1->start(static_cast<int>(std::clamp<std::int64_t>(reste, 0, PERIODE_MS)));
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
