// The look of the six windows. Each control where the layout puts it, with its caption, colours
// and font, one fact per comparison; captions that fit, names a screen reader can say, windows
// modal and of fixed size; the focus shown on every kind of control; and one picture a window
// for what only a picture shows. A redraw (VERLO_REFAIRE_IMAGES=1) rewrites only the pictures
// that changed and lists them, each beside a difference image in the temporary folder.

#include "PartieDeTest.h"
#include "app/controles/Cadre3D.h"
#include "bonus/Form6.h"
#include "extras/Form2.h"
#include "extras/Form3.h"
#include "scores/Form4.h"
#include "scores/Form5.h"

namespace {

const QColor noir(0, 0, 0), blanc(255, 255, 255), face(192, 192, 192), grisClair(224, 224, 224),
    bleuF(0, 0, 128), rougeF(128, 0, 0), vertF(0, 64, 0), vertM(0, 128, 0), vert(0, 255, 0),
    jaune(255, 255, 0), cyan(0, 255, 255), rouge(255, 0, 0), orange(255, 128, 0),
    violet(128, 0, 128), barre(192, 0, 0);

// What the layout fixes of a control, or of the window itself when `nom` is empty; a caption,
// colour or size left unset is not checked.
struct Fait {
    QString fenetre, nom;
    QRect place;
    QString legende;
    QColor texte, fond;
    double points = 0;
    bool vu = true;
};

/** The text a control shows, and where it must fit (in the control's coordinates). */
std::pair<QString, QRect> legende(QWidget* w) {
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w)) {
        // A framed label with no indent set keeps half an "x" from the edges it is aligned to.
        const int r = l->indent() >= 0      ? l->indent()
                      : l->frameWidth() > 0 ? fm.horizontalAdvance(u'x') / 2
                                            : 0;
        const Qt::Alignment a = l->alignment();
        const QRect place =
            l->contentsRect().adjusted(a & Qt::AlignLeft ? r : 0, a & Qt::AlignTop ? r : 0,
                                       a & Qt::AlignRight ? -r : 0, a & Qt::AlignBottom ? -r : 0);
        const QRect lignes =
            fm.boundingRect(place, int(a) | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
        if (l->wordWrap() || l->text().contains(u'\n'))
            return {l->text(), lignes};
        const QRect encre = fm.tightBoundingRect(l->text()); // one line: what is inked
        return {l->text(), QRect(lignes.left(), lignes.top() + fm.ascent() + encre.top(),
                                 lignes.width(), encre.height())};
    }
    if (auto* c = qobject_cast<Cadre3D*>(w)) // 6 px in, 2 px either side
        return {c->title(), QRect(6, 0, fm.horizontalAdvance(c->title()) + 4, fm.height())};
    auto* b = qobject_cast<QAbstractButton*>(w);
    if (!b)
        return {};
    // A push button keeps a blank's room at either end; an option button needs its mark too.
    const bool bouton = w->inherits("QPushButton");
    const int large = bouton ? fm.horizontalAdvance(b->text() + "  ") : w->sizeHint().width();
    return {b->text(), QRect(bouton ? (w->width() - large) / 2 : 0, (w->height() - fm.height()) / 2,
                             large, fm.height())};
}

/** "name: text" of each caption wider or taller than its control, or covered by a control
 * drawn above it; "name has no name" for each control a screen reader could not name. */
QString fautes(QWidget* fenetre) {
    QStringList dites;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
            dites << w->objectName() + " has no name";
        const auto [texte, zone] = legende(w);
        if (texte.trimmed().isEmpty() || !w->isVisibleTo(fenetre))
            continue;
        bool coupee = !w->rect().contains(zone);
        const auto freres = w->parentWidget()->children(); // later siblings are drawn above
        for (qsizetype i = freres.indexOf(w) + 1; i < freres.size() && !coupee; ++i)
            if (auto* f = qobject_cast<QWidget*>(freres[i]); f && f->isVisibleTo(fenetre))
                coupee = f->geometry().intersects(zone.translated(w->pos()));
        if (coupee)
            dites << w->objectName() + ": " + texte;
    }
    return dites.join("; ");
}

// A font or anti-aliasing update may move a few pixels of a glyph; a control moved by one
// pixel changes at least a whole edge.
constexpr int PIXELS_TOLERES = 6;
QStringList refaites; // what a redraw changed, listed at the end

// The window as drawn against its picture. When they differ, the drawn picture and a
// difference image (the differing pixels in red) go to the temporary folder; then a redraw
// rewrites the picture, a comparison fails.
void comparer(QWidget& w, const QString& nom) {
    w.show();
    w.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &w); // its focus shows
    const QImage vu = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString fichier = QStringLiteral(VERLO_IMAGES "/%1.png").arg(nom);
    const QImage attendu = QImage(fichier).convertToFormat(QImage::Format_RGB32);
    QImage ecart = vu;
    int differents = attendu.size() == vu.size() ? 0 : vu.width() * vu.height(); // all, and more
    for (int y = 0; y < vu.height(); ++y)
        for (int x = 0; x < vu.width(); ++x)
            if (!attendu.valid(x, y) || attendu.pixel(x, y) != vu.pixel(x, y))
                ecart.setPixel(x, y, qRgb(255, 0, 0)), ++differents;
    const bool refaire = qEnvironmentVariableIsSet("VERLO_REFAIRE_IMAGES");
    if (differents == 0 || (!refaire && differents <= PIXELS_TOLERES))
        return;
    const QString ici = QDir::temp().filePath("verlo-" + nom);
    const QString dit = QStringLiteral("%1: %2 pixels differ from %3; drawn %4.png, %4-ecart.png")
                            .arg(nom, QString::number(differents), fichier, ici);
    QVERIFY(vu.save(ici + ".png") && ecart.save(ici + "-ecart.png"));
    if (!refaire)
        QFAIL(qPrintable(dit));
    QVERIFY(vu.save(fichier));
    refaites << dit;
}

QString courante; // the window of the rows being written
void rang(const QString& nom, const QRect& place, const QString& legende = {},
          const QColor& texte = {}, const QColor& fond = {}, double points = 0, bool vu = true) {
    QTest::newRow(qPrintable(courante + u' ' + (nom.isEmpty() ? QStringLiteral("window") : nom)))
        << Fait{courante, nom, place, legende, texte, fond, points, vu};
}

} // namespace
Q_DECLARE_METATYPE(Fait)

class TestRendu : public QObject {
    Q_OBJECT
    // The six windows as an opening leaves them. The others stand over a main window at
    // (150, 90), reading two players' scores good enough for a table of three and player 1's
    // card dealt with every draw at 0 (ball c on cell c), cells 7 and 19 covered.
    EtatJeu e;
    ServicesDeTest d;
    QWidget principale;
    std::optional<PartieDeTest> p;
    std::map<QString, QWidget*> fenetres;

    // Twips to pixels; a window placed against the main window; element i of an array.
    static QRect T(int l, int t, int w, int h) { return {px(l), px(t), px(w), px(h)}; }
    static QRect sur(int l, int t, int w, int h) { return T(l, t, w, h).translated(150, 90); }
    static QString n(const char* nom, int i) { return QStringLiteral("%1(%2)").arg(nom).arg(i); }

private slots:
    void initTestCase() {
        appliquerApparence(*qApp);
        QVERIFY2(QFontInfo(qApp->font()).family().contains("Liberation"), "fonts not installed");
        QApplication::setCursorFlashTime(0); // a caret that does not blink: always drawn
        preparerEtat(e, {"Chloé", " 130", "Bruno", " 50", "Anonyme", " 20"}, {75, 140});
        Nouvelle_Grille(e, 1, d.hasard, d.horloge);
        e.Grille_J(1, 7) = e.Grille_J(1, 19) = BOULE_COUVERTE;
        principale.move(150, 90);
        auto* notice = new Form5(e, d.services(), &principale);
        notice->Minuterie1->stop(); // its waits pass at once: the animation would never rest
        fenetres = {{"Form1", p.emplace().f.get()},
                    {"Form2", new Form2(&principale)},
                    {"Form3", new Form3(&principale)},
                    {"Form4", new Form4(e, {}, &principale)},
                    {"Form5", notice},
                    {"Form6", new Form6(e, d.services(), &principale, {})}};
        fenetres["Form6"]->show(); // its tiles, and their names, come with the first showing
        fenetres["Form6"]->hide();
    }
    void cleanupTestCase() {
        if (qEnvironmentVariableIsSet("VERLO_REFAIRE_IMAGES"))
            qInfo("%lld pictures rewritten; look at each:\n%s", refaites.size(),
                  qPrintable(refaites.join(u'\n')));
    }

    // Catches a control moved, resized, recaptioned, recoloured, in another font size or not
    // bold, shown or hidden when it should not be (the pictures alone hold the places of the
    // pictures, tiles, switches and bare frames); a window misplaced, of another size, caption
    // or background. On each window's row also a caption cut or covered (on the main window's,
    // at the widest values the game shows too), a control a screen reader could only call by
    // its kind, a window not modal over the main window or resizable.
    void controles_data() {
        QTest::addColumn<Fait>("fait");
        // clang-format off
        courante = "Form1";
        rang("", QRect(0, 0, px(9480), px(6045)), "   V E R L O  Version 32 bits   -   Auteur :  l'équipe VERLO", {}, bleuF);
        rang("Diff_Titre", T(60, 4290, 1695, 1185), "Niveau", rougeF, face, 9.75);
        const char* niveaux[] = {"Débutant", "Compétent", "Expert"};
        for (int i = 1; i <= 3; ++i)
            rang(n("Difficulté", i), T(180, 330 + 240 * (i - 1), 1395, 255), niveaux[i - 1], noir, {}, 9.75);
        rang("Panel3D4", T(60, 3330, 1695, 915), "Nbre de joueurs", bleuF, face, 8.25);
        rang("Nb_J(1)", T(180, 270, 1275, 315), "1 Joueur", noir, {}, 9.75);
        rang("Nb_J(2)", T(180, 540, 1335, 285), "2 Joueurs", noir, {}, 9.75);
        for (int j = 1; j <= 2; ++j) {
            const bool un = j == 1;
            rang(un ? "Frame3D1" : "Frame3D2", T(un ? 60 : 7740, 60, 1695, 3225), QStringLiteral("Joueur %1").arg(j), noir, {}, 13.5);
            rang(un ? "Panel3D2" : "Panel3D3", T(60, 360, 1575, un ? 1875 : 1845), "Score", noir, face, 13.5);
            rang(n("Score", j), T(120, 390, 1335, 615), "000", noir, face, 24);
            // Player 2's, smaller: Num_Mot(2), 2 px higher, would cover a 12-point caption's foot.
            rang(n("Panel3D6", j - 1), T(120, 990, 1335, 315), "Mot N°", noir, face, un ? 12 : 10.5);
            rang(n("Num_Mot", j), un ? T(360, 1290, 855, 495) : T(390, 1260, 855, 495), "", noir, face, 18);
            rang(n("Panel3D5", j - 1), un ? T(60, 2220, 1575, 405) : T(30, 2190, 1635, 435), "Votre MOT", bleuF, face, un ? 8.25 : 9.75);
            rang(n("Mot_J", j), un ? T(90, 2640, 1515, 510) : T(60, 2640, 1575, 510), {}, noir, cyan, 13.5, false);
        }
        rang("Panel3D1", T(1830, 0, 5895, 6015), "", blanc, noir, 8.25);
        for (int k = 1; k <= 5; ++k) // the points scale at level 1, the top line worth most
            rang(n("Rep_H", k), T(180, 300 + 960 * (5 - k), 675, 615), QString::number(5 * k), noir, orange, 18);
        for (int k = 1; k <= 25; ++k)
            rang(n("Mot", k), T(960 * ((k - 1) % 5 + 1), 180 + 960 * ((k - 1) / 5), 855, 855), "", noir, face, 24);
        for (int c = 1; c <= 5; ++c)
            rang(n("Réponse", c), T(960 * c, 4980, 855, 855), "", face, vertF, 24, false);
        rang("Cadre_Temps", T(960, 4950, 4695, 930), "Temps maxi (sec.)", noir, face, 12);
        rang("Etiq_Temps", T(2295, 105, 600, 285), "60", noir, jaune, 8.25);
        rang("Panel3D8", T(120, 390, 4455, 450), "", blanc, face, 8.25);
        rang("Temps", T(90, 90, 4245, 270), {}, barre, face);
        rang("Solution", T(90, 5640, 825, 285), QString(13, u' '), blanc, noir, 8.25);
        rang("A_Propos", T(7740, 3330, 1695, 435), "A propos...", violet, {}, 8.25);
        rang("Scores", T(7740, 3780, 1695, 405), "Scores...", rougeF, {}, 8.25);
        rang("Nouv_Partie", T(7740, 4200, 1695, 435), "Nouv. Partie", noir, {}, 8.25);
        rang("Nouveau", T(7740, 4650, 1695, 435), "MOT suivant", bleuF, {}, 8.25);
        rang("Aide", T(7740, 5100, 1695, 405), "Aide", vertM, {}, 8.25);
        rang("Quitter", T(7740, 5550, 1695, 465), "Quitter", rougeF, {}, 13.5);

        courante = "Form2";
        rang("", sur(3045, 1575, 4170, 2175), "A propos de VERLO", {}, bleuF);
        rang("VERLO", T(480, 480, 2295, 735), "VERLO", noir, face, 24);
        rang("Etiquette3", T(840, 1260, 1815, 240), "Version 4.32", jaune, bleuF, 9.75);
        rang("OK", T(3180, 1560, 855, 495), "OK", rougeF, {}, 13.5);

        courante = "Form3";
        rang("", sur(0, 0, 9480, 6045), "   Aide  sur   VERLO", {}, face);
        rang("Panel3D2", T(150, 120, 9075, 795), "VERLO est un jeu de lettres pour un ou deux joueurs.\nIl s'agit de trouver un mot de 5 lettres dont la 1° lettre est donnée, en passant d'un mot à un autre par un autre mot.", noir, face, 9.75);
        rang("Panel3D9", T(360, 930, 8625, 795), "Le tableau des 12 meilleurs Scores  peut être consulté à tout moment mais sa mise à jour éventuelle ne peut intervenir qu'en Fin de Partie (10 mots proposés).", noir, face, 9.75);
        rang("Etiquette2", T(120, 120, 4635, 975), "1°) Choisissez le nombre de joueurs (1 ou 2)  2°) Choisissez le niveau de difficulté.               3°) Inscrivez, dans la case du Joueur,                         le MOT proposé.", noir, face, 9.75);
        rang("Etiquette3", T(120, 1050, 4755, 285), "4°) Validez, au clavier par \"Enter\" ou \"Return\"", noir, face, 9.75);
        rang("Etiquette1", T(120, 1380, 2955, 495), "Les Lettres à leur place sont signalées dans un fond vert", noir, face, 9.75);
        rang("Etiquette4", T(120, 1980, 3015, 495), "Les lettres mal placées sont signalées par un fond jaune.", noir, face, 9.75);
        rang("Etiquette5", T(120, 2580, 3015, 735), "Les lettres inexistantes dans le mot à trouver ne changent pas de couleur.", noir, face, 9.75);
        rang("Panel3D8", T(3120, 1320, 1695, 285), "E x e m p l e", rougeF, face, 8.25);
        rang("Panel3D6", T(3120, 1620, 1695, 1695), "", {}, noir);
        // TABLE found on line 5: green in place, yellow elsewhere, grey not in the word.
        const char* lettres[] = {"TENTE", "LACET", "ARBRE", "CIBLE", "TABLE"};
        const char* marques[] = {"V---V", "JV-JJ", "J-V-V", "--VVV", "TTTTT"};
        const std::map<char, QColor> fonds{{'V', vert}, {'J', jaune}, {'-', face}, {'T', vertF}};
        for (int k = 0; k < 25; ++k)
            rang(n("Panel3D7", k), T(120 + 300 * (k % 5), 120 + 300 * (k / 5), 255, 255), QString(QChar(lettres[k / 5][k % 5])), k < 20 ? noir : grisClair, fonds.at(marques[k / 5][k % 5]), 8.25);
        rang("Panel3D5", T(120, 120, 3825, 495), "Scores", vertM, face, 12);
        rang("Etiquette6", T(660, 660, 1575, 255), "Mot trouvé à la", noir, face, 9.75);
        rang("Etiquette7", T(2280, 660, 1455, 1275), "1° ligne -> 25   2° ligne -> 20   3° ligne -> 15   4° ligne -> 10   5° ligne ->   5", noir, face, 9.75);
        rang("Panel3D10", T(150, 960, 2055, 855), "Difficulté 1 : -------> Difficulté 2 : + 40%  Difficulté 3 : + 60%", noir, face, 9.75);
        rang("Etiquette8", T(120, 1890, 3885, 735), "La partie se termine quand 10 mots ont été proposés à chacun des joueurs.", rougeF, face, 9.75);
        rang("SSPanel1", T(150, 5160, 9105, 675), "Si l'option Tirage a été choisie, une grille apparaîtra chaque fois que vous aurez trouvé un mot. Si vous réussissez à réaliser une ligne (Horiz., Vert. ou Diagonale), vous gagnez 30 points supplémentaires.   Avec un peu de chance, vous pourrez remplir plusieurs grilles dans une partie.", bleuF, face, 8.25);
        rang("Quitter", T(5160, 4530, 4065, 555), "Quitter l'aide", rougeF, {}, 18);

        courante = "Form4"; // opened for both players to enter their names
        rang("", sur(2055, 510, 5490, 4335), "TABLEAU   DES   SCORES", {}, rougeF);
        rang("Panel3D6", T(150, 90, 5205, 405), "TABLEAU  DES  12  MEILLEURS  SCORES", noir, face, 8.25);
        rang("Panel3D1", T(150, 570, 5205, 3645), "", noir, face, 8.25);
        rang("Panel3D4", T(120, 120, 495, 375), "N°", noir, face, 8.25);
        rang("Panel3D2", T(600, 120, 1695, 375), "NOM du Joueur", noir, face, 8.25);
        rang("Panel3D3", T(2280, 120, 735, 375), "Points", noir, face, 8.25);
        rang("Place", T(120, 480, 495, 3075), {}, noir, face, 9.75);
        rang("Nom", T(600, 480, 1695, 3075), {}, noir, face, 9.75);
        rang("Pt_Score", T(2280, 480, 735, 3075), {}, noir, face, 9.75);
        rang("Insc_Nom", T(3030, 120, 2025, 375), "Inscrivez votre nom", noir, face, 8.25);
        for (int j = 1; j <= 2; ++j) {
            rang(n("Cadre_J", j), T(3060, 480 + 930 * (j - 1), 1995, 885), QStringLiteral("Joueur %1").arg(j), noir, {}, 9.75);
            rang(n("Nom_Sc", j), T(90, 360, 1815, 420), {}, noir, blanc, 12);
        }
        rang("Valider", T(3030, 2370, 2025, 525), "Valider", bleuF, {}, 13.5);
        rang("Annuler", T(3060, 3000, 1995, 495), "Fermer", noir, {}, 13.5);

        courante = "Form5";
        rang("", sur(1800, 1480, 5700, 2520), "Contrôle des Scores", {}, violet);
        rang("Panel3D1", T(840, 120, 4215, 1335), "Votre Score trop nul ne vous permet pas d'entrer dans le Hit-Parade ! Essayez de faire un peu mieux la prochaine fois !...", bleuF, face, 12);
        rang("Daccord", T(1920, 2010, 1725, 465), "D'ACCORD !", rougeF, {}, 12);

        courante = "Form6";
        rang("", sur(1920, 1590, 5730, 3120), " Tirage", {}, face);
        rang("Mélanger", T(3420, 690, 2265, 435), "Mélanger", vertF, {}, 9.75);
        rang("Tirer", T(3420, 1170, 1095, 405), "Tirer", rouge, {}, 8.25);
        rang("Placer", T(4590, 1170, 1095, 405), "Placer", bleuF, {}, 8.25);
        rang("Gagne", T(3420, 1740, 2265, 645), "Gagné ! + 30 Points", rouge, face, 9.75, false);
        rang("Fermer", T(3420, 2520, 2265, 525), "Fermer", noir, {}, 18);
        // clang-format on
    }
    void controles() {
        QFETCH(Fait, fait);
        QWidget* f = fenetres.at(fait.fenetre);
        QWidget* w = fait.nom.isEmpty() ? f : f->findChild<QWidget*>(fait.nom);
        QVERIFY2(w, "no such control");
        QCOMPARE(w == f ? QRect(f->pos(), f->size()) : w->geometry(), fait.place);
        if (!fait.legende.isNull())
            QCOMPARE(w == f ? f->windowTitle() : legende(w).first, fait.legende);
        const auto role = w->inherits("QProgressBar") ? QPalette::Highlight : w->foregroundRole();
        if (fait.texte.isValid()) // as long as it is enabled
            QCOMPARE(w->palette().color(QPalette::Active, role), fait.texte);
        if (fait.fond.isValid())
            QCOMPARE(w->palette().color(QPalette::Active, w->backgroundRole()), fait.fond);
        if (fait.points > 0) {
            QCOMPARE(w->font().pixelSize(), qRound(fait.points * 4 / 3)); // 96 dots an inch
            QVERIFY(w->font().bold());
        }
        if (w != f) {
            QCOMPARE(w->isHidden(), !fait.vu);
            return;
        }
        QCOMPARE(f->isModal(), fait.fenetre != "Form1"); // over the main window, which waits
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QCOMPARE(fautes(f), QString());
        if (f != p->f.get())
            return;
        // The widest values the game shows must fit too (the solution's cells are the board's
        // size, in the same font).
        PartieDeTest jeu;
        jeu.f->Score(1)->setText(" 999");
        jeu.f->Num_Mot(2)->setText("10");
        jeu.f->Etiq_Temps->setText("300");
        for (int c = 1; c <= 5; ++c)
            jeu.f->Mot(c)->setText("W");
        QCOMPARE(fautes(jeu.f.get()), QString());
    }

    // Catches a kind of control whose focus does not show: Fusion's tint is lost on the game's
    // colours, and it draws nothing on a scroll bar or a pressed toggle.
    void focus_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("presse");
        QTest::newRow("option button") << "Difficulté(2)" << false;
        QTest::newRow("scroll bar") << "BH_Temps" << false;
        QTest::newRow("Tirage toggle, released") << "Avec_Tirage" << false;
        QTest::newRow("Tirage toggle, pressed") << "Avec_Tirage" << true;
        QTest::newRow("push button") << "Aide" << false;
        QTest::newRow("text box") << "Mot_J(1)" << false;
    }
    void focus() {
        QFETCH(QString, nom);
        QFETCH(bool, presse);
        PartieDeTest jeu;
        cliquer(jeu.f->Nouv_Partie); // the answer box shows
        jeu.f->Avec_Tirage->setChecked(presse);
        QWidget* w = jeu.f->findChild<QWidget*>(nom);
        w->setFocus();
        QVERIFY(w->hasFocus());
        const QImage avec = w->grab().toImage();
        jeu.f->Quitter->setFocus();
        QVERIFY2(w->grab().toImage() != avec, "the same with the focus as without");
    }

    // Catches what only a picture shows: bevels, glyphs, tiles, the focus frame, the marks on
    // the board. Last: it plays on the shared windows.
    void images_data() {
        QTest::addColumn<QString>("nom");
        QTest::newRow("Form1: two players, Tirage pressed, player 1 on line 3, the gauge running")
            << "Form1";
        for (const char* f : {"Form2", "Form3", "Form4", "Form5"})
            QTest::newRow(f) << QString(f);
        QTest::newRow("Form6: a ball drawn") << "Form6";
    }
    void images() {
        QFETCH(QString, nom);
        QWidget* w = fenetres.at(nom);
        if (nom == "Form1") {
            cliquer(p->f->Nb_J(2));
            cliquer(p->f->Difficulté(2));
            cliquer(p->f->Avec_Tirage); // pressed: its darker bevel
            p->e.Liste_Mots(2, 1) = Texte5(QStringLiteral("TERRE"));
            cliquer(p->f->Nouv_Partie);
            p->tic();
            p->proposer(QStringLiteral("retro"));
            p->proposer(QStringLiteral("tarte"));
            taper(p->boite(), QStringLiteral("er"));
            p->tic(23'000);
        } else if (nom == "Form6") { // as an opening leaves it, the focus on "Mélanger"
            w = new Form6(e, d.services(), &principale, {});
            w->show();
            w->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), w);
            for (int pas = 0; pas < 2; ++pas) // "Mélanger", then "Tirer"
                QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        }
        comparer(*w, nom.toLower());
        w->hide(); // a modal window would keep the next one from the focus
    }
};

QTEST_MAIN(TestRendu)
#include "tst_rendu.moc"
