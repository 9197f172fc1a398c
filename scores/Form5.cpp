#include "Form5.h"

#include "app/Sons.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <climits>

namespace {
constexpr std::int64_t PERIODE_MS = 1000; // the animation's tick
constexpr std::int64_t ATTENTE_MS = 1000; // each wait of a tick
} // namespace

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
    Minuterie1_Timer(); // arms the timer for the first tick
}

// The tick and its two waits, scheduled on the services' steady clock (which neither
// midnight nor a change of the system time moves) rather than run as nested waits: Qt
// never delivers a timer's tick while its own slot runs, so a tick falling due during a wait
// would be lost and the open mouth would stay twice as long. A tick that falls due while the
// previous one is in its waits runs right after it, once however many fell due. The timer
// only wakes the window at the next moment due; nothing blocks but the bleat.
void Form5::Minuterie1_Timer() {
    const QPointer<Form5> garde(this);
    while (!fermee_) {
        const std::int64_t maintenant = s.horloge.monotoneMs();
        const std::int64_t echeance = phase_ == Phase::AttenteTick ? prochainTick_ : finPhase_;
        if (maintenant < echeance) {
            Minuterie1->start(
                static_cast<int>(std::min<std::int64_t>(echeance - maintenant, INT_MAX)));
            return;
        }
        switch (phase_) {
        case Phase::AttenteTick:
            while (prochainTick_ <= maintenant)
                prochainTick_ += PERIODE_MS;
            Image1(2)->hide();
            Image1(1)->show();
            if (!e.Son_Actif) {
                phase_ = Phase::Bouche_Fermee;
                finPhase_ = maintenant + ATTENTE_MS;
                break;
            }
            Jouer_Effet(e, s.son, Effet::Mouton); // the closed mouth stays through the bleat
            if (!garde || fermee_)
                return;
            [[fallthrough]];
        case Phase::Bouche_Fermee:
            Image1(1)->hide();
            Image1(2)->show();
            phase_ = Phase::Bouche_Ouverte;
            finPhase_ = s.horloge.monotoneMs() + ATTENTE_MS;
            break;
        case Phase::Bouche_Ouverte:
            phase_ = Phase::AttenteTick;
            break;
        }
    }
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
