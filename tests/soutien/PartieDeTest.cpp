#include "PartieDeTest.h"

#include "app/controles/Apparence.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

PartieDeTest::PartieDeTest(const QStringList& liste1, const QStringList& liste2,
                           const QStringList& liste3) {
    preparerEtat(e);
    e.Nb_Joueurs = 1;
    const QStringList listes[] = {liste1, liste2, liste3};
    for (int n = 1; n <= 3; ++n) {
        for (int k = 0; k < listes[n - 1].size(); ++k)
            e.Liste_Mots(n, k + 1) = Texte5(listes[n - 1][k]);
        e.Nb_Mots(n) = static_cast<std::int16_t>(listes[n - 1].size());
    }
    f = std::make_unique<Form1>(e, d.services(), Emplacements{"/nonexistent/S.SCO", {}, {}});
    f->show();
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f.get()))
        qWarning("window not active: focus checks will fail");
}

QLineEdit* PartieDeTest::boite() const {
    return f->Mot_J(e.Joueur);
}

bool PartieDeTest::vu(const QWidget* w) const {
    return w->isVisibleTo(f.get());
}

QWidget* PartieDeTest::focus() const {
    return f->focusWidget();
}

void PartieDeTest::entree() const {
    QTest::keyClick(boite(), Qt::Key_Return);
}

void PartieDeTest::taper(const QString& texte) const {
    ::taper(boite(), texte);
}

void PartieDeTest::proposer(const QString& texte) const {
    boite()->selectAll();
    taper(texte);
    entree();
}

void PartieDeTest::tic(std::int64_t ms) {
    d.horloge.avancer(ms);
    QTimerEvent ev(f->Minuterie1->timerId());
    QCoreApplication::sendEvent(f->Minuterie1, &ev);
}

Marque PartieDeTest::marque(int ligne, int colonne) const {
    return f->Marques_Plateau((ligne - 1) * 5 + colonne);
}

QString PartieDeTest::lettre(int ligne, int colonne) const {
    return f->Mot((ligne - 1) * 5 + colonne)->text();
}

void quandModale(std::function<void(QWidget*)> dansLaFenetre, const QString& nom) {
    auto* attente = new QTimer(qApp);
    attente->setInterval(5);
    QObject::connect(attente, &QTimer::timeout, [attente, dansLaFenetre, nom] {
        QWidget* d = QApplication::activeModalWidget();
        if (d && (nom.isEmpty() || d->objectName() == nom)) {
            attente->stop();
            attente->deleteLater();
            const QPointer<QWidget> fenetre(d);
            dansLaFenetre(d);
            if (QTest::currentTestFailed() && fenetre)
                fenetre->close();
        }
    });
    attente->start();
}

QString PartieDeTest::lettre(const QColor& k) {
    const std::pair<QColor, const char*> noms[]{{couleurs::vert, "G"},  {couleurs::jaune, "Y"},
                                                {couleurs::gris, "-"},  {couleurs::cyan, "C"},
                                                {couleurs::rouge, "R"}, {couleurs::noir, "N"}};
    for (const auto& [c, n] : noms)
        if (c == k)
            return QString::fromLatin1(n);
    return QStringLiteral("?");
}
QString PartieDeTest::ligne(int l) const {
    return suite(5, [&](int c) { return f->Mot(l * 5 - 5 + c)->text(); });
}
QString PartieDeTest::couleurs(int l) const {
    return suite(5, [&](int c) { return lettre(f->Mot(l * 5 - 5 + c)->backColor()); });
}
QString PartieDeTest::solution() const {
    return suite(5, [&](int c) { return vu(f->Réponse(c)) ? f->Réponse(c)->text() : "_"; });
}
QString PartieDeTest::plateau() const {
    return suite(5, [&](int l) { return ligne(l); }) + suite(5, [&](int l) { return couleurs(l); });
}
QString PartieDeTest::meneur() const {
    return suite(2, [&](int j) { return lettre(f->Score(j)->foreColor()); });
}
QString PartieDeTest::places() const {
    return suite(2, [&](int j) {
        return QString(vu(f->Mot_J(j)) ? "B" : "") + (vu(f->Image1(j)) ? "I" : "");
    });
}
