#include "PartieDeTest.h"

#include <QApplication>
#include <QPointer>

PartieDeTest::PartieDeTest(const QStringList& liste1, const QStringList& liste2,
                           const QStringList& liste3, const Emplacements& lieux,
                           const Reglages& reglages) {
    preparerEtat(e);
    e.Nb_Joueurs = 1;
    const QStringList listes[] = {liste1, liste2, liste3};
    for (int n = 1; n <= 3; ++n) {
        for (int k = 0; k < listes[n - 1].size(); ++k)
            e.Liste_Mots(n, k + 1) = Texte5(listes[n - 1][k]);
        e.Nb_Mots(n) = static_cast<std::int16_t>(listes[n - 1].size());
    }
    f = std::make_unique<Form1>(e, d.services(), lieux, reglages);
    f->show();
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f.get()))
        qWarning("window not active: focus checks will fail");
}

void PartieDeTest::proposer(const QString& texte) const {
    boite()->selectAll();
    taper(texte);
    QTest::keyClick(boite(), Qt::Key_Return);
}

void PartieDeTest::tic(std::int64_t ms) {
    d.horloge.avancer(ms);
    QTimerEvent ev(f->Minuterie1->timerId());
    QCoreApplication::sendEvent(f->Minuterie1, &ev);
}

QList<Marque> PartieDeTest::marques(int ligne) const {
    QList<Marque> m;
    for (int c = 1; c <= 5; ++c)
        m << marque(ligne, c);
    return m;
}

char* toString(Marque m) {
    static const char* const noms[]{"Aucune", "Absente", "BienPlacee", "MalPlacee", "Debut"};
    return qstrdup(noms[static_cast<int>(m)]);
}

void PartieDeTest::quandModale(std::function<void(QWidget*)> dansLaFenetre) const {
    auto* attente = new QTimer(f.get());
    attente->setInterval(5);
    QObject::connect(attente, &QTimer::timeout,
                     [dansLaFenetre, vue = QPointer<QWidget>()]() mutable {
                         QWidget* w = QApplication::activeModalWidget();
                         if (!w || w == vue)
                             return;
                         vue = w;
                         dansLaFenetre(w);
                         if (QTest::currentTestFailed() && vue)
                             vue->close();
                     });
    attente->start();
}
