#pragma once
// The main window on a known game: one-word lists, the clock and the draws in
// the test's hands, and short ways to play it as a player would.

#include "Doubles.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"
#include "game/Form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

struct PartieDeTest {
    EtatJeu e;
    ServicesDeTest d;
    std::unique_ptr<Form1> f;

    // The score table is read from, and saved to, a file that cannot exist.
    explicit PartieDeTest(const QStringList& liste1 = {"TERRE"}) {
        preparerEtat(e);
        e.Nb_Joueurs = 1;
        const QStringList listes[] = {liste1, {"SALUT"}, {"MAMAN"}};
        for (int n = 1; n <= 3; ++n) {
            for (int k = 0; k < listes[n - 1].size(); ++k)
                e.Liste_Mots(n, k + 1) = Texte5(listes[n - 1][k]);
            e.Nb_Mots(n) = static_cast<std::int16_t>(listes[n - 1].size());
        }
        e.Fichier_Scores = QStringLiteral("/nonexistent/S.SCO");
        f = std::make_unique<Form1>(e, d.services());
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get()))
            qWarning("window not active: focus checks will fail");
    }

    QLineEdit* boite() const { return f->Mot_J(e.Joueur); }
    bool vu(const QWidget* w) const { return w->isVisibleTo(f.get()); }
    QWidget* focus() const { return f->focusWidget(); }
    void cliquer(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3)); }
    // Key by key, each carrying its text, as a keyboard (dead keys included) delivers it.
    void taper(const QString& texte) const {
        for (const QChar c : texte)
            for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent ev(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QCoreApplication::sendEvent(boite(), &ev);
            }
    }
    void entree() const { QTest::keyClick(boite(), Qt::Key_Return); }
    void proposer(const QString& texte) const {
        boite()->selectAll();
        taper(texte);
        entree();
    }
    // One tick of the answer timer, as its period would have given, `ms` later.
    void tic(std::int64_t ms = 0) {
        d.horloge.avancer(ms);
        QTimerEvent ev(f->Minuterie1->timerId());
        QCoreApplication::sendEvent(f->Minuterie1, &ev);
    }
    // Cells 1..n seen through `lu`, joined.
    template <class F> static QString suite(int n, F lu) {
        QString s;
        for (int c = 1; c <= n; ++c)
            s += lu(c);
        return s;
    }
    // A colour as a letter: G green, Y yellow, - grey, C cyan, R red, N black.
    static QString lettre(const QColor& k) {
        const std::pair<QColor, const char*> noms[]{{couleurs::vert, "G"},  {couleurs::jaune, "Y"},
                                                    {couleurs::gris, "-"},  {couleurs::cyan, "C"},
                                                    {couleurs::rouge, "R"}, {couleurs::noir, "N"}};
        for (const auto& [c, n] : noms)
            if (c == k)
                return QString::fromLatin1(n);
        return QStringLiteral("?");
    }
    // Line l of the board as letters, and as colours.
    QString ligne(int l) const {
        return suite(5, [&](int c) { return f->Mot(l * 5 - 5 + c)->text(); });
    }
    QString couleurs(int l) const {
        return suite(5, [&](int c) { return lettre(f->Mot(l * 5 - 5 + c)->backColor()); });
    }
    // The solution row, '_' where a cell is hidden.
    QString solution() const {
        return suite(5, [&](int c) { return vu(f->Réponse(c)) ? f->Réponse(c)->text() : "_"; });
    }
    // The whole board: 25 letters then 25 colours.
    QString plateau() const {
        return suite(5, [&](int l) { return ligne(l); }) +
               suite(5, [&](int l) { return couleurs(l); });
    }
    // The scores' colours, player 1 then 2.
    QString meneur() const {
        return suite(2, [&](int j) { return lettre(f->Score(j)->foreColor()); });
    }
    // What stands in each player's place: "B" the answer box, "I" the icon.
    QString places() const {
        return suite(2, [&](int j) {
            return QString(vu(f->Mot_J(j)) ? "B" : "") + (vu(f->Image1(j)) ? "I" : "");
        });
    }
};

// Runs `dansLaFenetre` on the next modal window (of that name, if given) as soon as it
// is up (the spelled solution runs short event loops of its own before the window opens).
inline void quandModale(std::function<void(QWidget*)> dansLaFenetre, const QString& nom = {}) {
    auto* attente = new QTimer(qApp);
    attente->setInterval(5);
    QObject::connect(attente, &QTimer::timeout, [attente, dansLaFenetre, nom] {
        QWidget* d = QApplication::activeModalWidget();
        if (d && (nom.isEmpty() || d->objectName() == nom)) {
            attente->stop();
            attente->deleteLater();
            const QPointer<QWidget> fenetre(d);
            dansLaFenetre(d);
            // A check that failed inside the window returned early: close it, or the test
            // would wait on it for ever instead of reporting the failure.
            if (QTest::currentTestFailed() && fenetre)
                fenetre->close();
        }
    });
    attente->start();
}
