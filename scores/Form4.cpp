#include "Form4.h"

#include "Classement.h"
#include "EnregistrementPartie.h"
#include "FichierScores.h"
#include "app/Points.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Cadre3D.h"
#include "app/controles/FiltreRepetition.h"
#include "app/controles/Panel3D.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QValidator>

namespace {

const QString DEUX_BLANCS = QStringLiteral("  ");

/** Every panel of the table is black on the button face. */
Panel3D* panneau(QWidget* parent, const char* nom, const QRect& g, const QString& legende,
                 double points, Qt::Alignment alignement = Qt::AlignHCenter | Qt::AlignTop) {
    return Panel3D::creer(parent, QString::fromUtf8(nom), g, legende, points, couleurs::noir,
                          couleurs::faceBouton, alignement);
}

/**
 * The score file escapes nothing, so a character it cannot hold never gets into a name
 * box, whether typed, pasted or composed; pasted text loses only those characters.
 */
class FiltreNom final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& texte, int& position) const override {
        QString garde;
        garde.reserve(texte.size());
        int curseur = position;
        for (qsizetype i = 0; i < texte.size(); ++i) {
            if (Caractere_Nom_Accepte(texte[i]))
                garde += texte[i];
            else if (i < position)
                --curseur;
        }
        texte = garde;
        position = curseur;
        return Acceptable;
    }
};

/** The game's texts break lines with CR LF; a label breaks them on LF alone. */
QString pourAffichage(QString texte) {
    return texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

/**
 * A column of the table, one line per rank, drawn line by line. A label would leave out the
 * blanks that end every line but the last, setting the last rank apart from the others; here
 * each right-aligned line keeps its two blanks. The three columns share this drawing, so
 * that their lines stand level.
 */
class Colonne final : public Panel3D {
public:
    using Panel3D::Panel3D;

protected:
    void paintEvent(QPaintEvent* ev) override {
        QFrame::paintEvent(ev); // the bevel
        QPainter peintre(this);
        peintre.setFont(font());
        peintre.setPen(palette().color(foregroundRole()));
        const QFontMetrics fm(font());
        const int marge = fm.horizontalAdvance(QLatin1Char('x')) / 2;
        QRect ligne = contentsRect().adjusted(marge, marge, -marge, -marge);
        ligne.setHeight(fm.lineSpacing());
        const int drapeaux = int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop |
                             Qt::TextIncludeTrailingSpaces | Qt::TextSingleLine;
        for (const QString& texte : text().split(QLatin1Char('\n'))) {
            peintre.drawText(ligne, drapeaux, texte);
            ligne.translate(0, fm.lineSpacing());
        }
    }
};

/** A column, black on the button face like the rest of the table. */
Panel3D* colonne(QWidget* parent, const char* nom, const QRect& g, Qt::Alignment alignement) {
    auto* c = new Colonne(parent, QString::fromUtf8(nom), g, alignement | Qt::AlignTop);
    c->setFont(policeJeu(9.75));
    c->setForeColor(couleurs::noir);
    c->setBackColor(couleurs::faceBouton);
    return c;
}

} // namespace

Form4::Form4(EtatJeu& etat, QString fichierScores, QWidget* principale)
    : QDialog(principale), e(etat), fichierScores_(std::move(fichierScores)) {
    preparerFenetre(this, QStringLiteral("Form4"), TITRE_FORM4, 5490, 4335, couleurs::rougeFonce);
    signalerErreur = [this](const QString& titre, const QString& texte) {
        QMessageBox::warning(this, titre, texte);
    };

    creerControles();
    ordreTabulation();
    for (int i = 1; i <= 2; ++i) {
        Nom_Sc(i)->installEventFilter(this);
        FiltreRepetition::appliquer(Nom_Sc(i)); // after: it runs first
    }
    connect(Valider, &QPushButton::clicked, this, &Form4::Valider_Click);
    connect(Annuler, &QPushButton::clicked, this, &Form4::Annuler_Click);
    Form_Load(principale);
}

void Form4::creerControles() {
    Panel3D6 = panneau(this, "Panel3D6", twips(150, 90, 5205, 405),
                       QStringLiteral("TABLEAU  DES  12  MEILLEURS  SCORES"), 8.25);
    Panel3D1 = panneau(this, "Panel3D1", twips(150, 570, 5205, 3645), QString(), 8.25);
    Panel3D4 = panneau(Panel3D1, "Panel3D4", twips(120, 120, 495, 375), QStringLiteral("N°"), 8.25);
    Panel3D2 = panneau(Panel3D1, "Panel3D2", twips(600, 120, 1695, 375),
                       QStringLiteral("NOM du Joueur"), 8.25);
    Panel3D3 =
        panneau(Panel3D1, "Panel3D3", twips(2280, 120, 735, 375), QStringLiteral("Points"), 8.25);

    // One line per rank in the three columns: same top, same font, so that line k of the
    // names and points stands beside rank k.
    Place = colonne(Panel3D1, "Place", twips(120, 480, 495, 3075), Qt::AlignRight);
    Nom = colonne(Panel3D1, "Nom", twips(600, 480, 1695, 3075), Qt::AlignLeft);
    Pt_Score = colonne(Panel3D1, "Pt_Score", twips(2280, 480, 735, 3075), Qt::AlignRight);
    Panel3D1->setAccessibleName(QStringLiteral("Tableau des scores"));
    // Said as lists, so that an empty column still tells what it holds.
    for (const auto& [liste, quoi] : {std::pair{Nom, "noms"}, {Pt_Score, "points"}})
        liste->setDescription([lue = liste, sens = quoi] {
            QStringList valeurs;
            for (const QString& ligne : lue->text().split(QLatin1Char('\n')))
                if (!ligne.trimmed().isEmpty())
                    valeurs << ligne.trimmed();
            return QStringLiteral("%1 : %2").arg(
                QLatin1String(sens),
                valeurs.isEmpty() ? QStringLiteral("aucun") : valeurs.join(QStringLiteral(", ")));
        });

    Insc_Nom = panneau(Panel3D1, "Insc_Nom", twips(3030, 120, 2025, 375),
                       QStringLiteral("Inscrivez votre nom"), 8.25);
    Insc_Nom->hide();

    for (int j = 1; j <= 2; ++j) {
        auto* cadre =
            new Cadre3D(Panel3D1, indice("Cadre_J", j), twips(3060, j == 1 ? 480 : 1410, 1995, 885),
                        QStringLiteral("Joueur %1").arg(j));
        cadre->setFont(policeJeu(9.75));
        colorer(cadre, couleurs::noir, couleurs::faceBouton);
        cadre->hide();
        Cadre_J(j) = cadre;

        auto* boite = new QLineEdit(cadre);
        boite->setObjectName(indice("Nom_Sc", j));
        boite->setGeometry(twips(90, 360, 1815, 420));
        boite->setFont(policeJeu(12));
        // The system's text colours, not the window's dark red inherited through the panels.
        const QPalette systeme = QGuiApplication::palette();
        colorer(boite, systeme.color(QPalette::Text), systeme.color(QPalette::Base));
        boite->setValidator(new FiltreNom(boite));
        boite->setAccessibleName(QStringLiteral("Votre nom, joueur %1").arg(j));
        Nom_Sc(j) = boite;
    }

    Valider = new Bouton(Panel3D1, QStringLiteral("Valider"), twips(3030, 2370, 2025, 525),
                         QStringLiteral("Valider"));
    Valider->setFont(policeJeu(13.5));
    colorer(Valider, couleurs::bleuFonce);
    Valider->hide();

    Annuler = new Bouton(Panel3D1, QStringLiteral("Annuler"), twips(3060, 3000, 1995, 495),
                         QStringLiteral("Fermer"));
    Annuler->setFont(policeJeu(13.5));
}

void Form4::ordreTabulation() {
    setTabOrder(Nom_Sc(1), Nom_Sc(2));
    setTabOrder(Nom_Sc(2), Valider);
    setTabOrder(Valider, Annuler);
}

void Form4::Form_Load(QWidget* principale) {
    if (principale)
        move(principale->window()->pos() + QPoint(px(2055), px(510)));
    Place->setText(pourAffichage(e.Texte_Rangs));
    Afficher_Scores();
    for (int p = e.Nb_Joueurs; p >= 1; --p) {
        if (e.Qualifie(p)) {
            Insc_Nom->show();
            Cadre_J(p)->show();
            Valider->show();
        }
    }
    // The first shown control of the tab order that takes the focus.
    if (Cadre_J(1)->isVisibleTo(this))
        Nom_Sc(1)->setFocus();
    else if (Cadre_J(2)->isVisibleTo(this))
        Nom_Sc(2)->setFocus();
    else
        Annuler->setFocus();
}

void Form4::Afficher_Scores() {
    Trier_Scores(e);
    e.Texte_Noms.clear();
    e.Texte_Points.clear();
    for (int r = 1; r <= LIGNES_SCORES; ++r) {
        if (Valeur_Points(e.Tab_Scores(r, 2)) <= 0)
            continue;
        e.Texte_Noms += e.Tab_Scores(r, 1) + DEUX_BLANCS;
        e.Texte_Points += e.Tab_Scores(r, 2) + DEUX_BLANCS;
        if (r < LIGNES_SCORES) {
            e.Texte_Noms += e.Saut_Ligne;
            e.Texte_Points += e.Saut_Ligne;
        }
    }
    Nom->setText(pourAffichage(e.Texte_Noms));
    Pt_Score->setText(pourAffichage(e.Texte_Points));
    Nom->repaint();
    Pt_Score->repaint();
}

bool Form4::eventFilter(QObject* objet, QEvent* ev) {
    if (ev->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(ev);
        const bool entree = touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter;
        for (int i = 1; i <= 2; ++i) {
            if (objet == Nom_Sc(i) && entree) {
                // A held Enter moves on once, not through every box to the buttons.
                if (!touche->isAutoRepeat())
                    Nom_Sc_KeyPress_Entree(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(objet, ev);
}

// Enter only moves on: saving is for "Valider" alone.
void Form4::Nom_Sc_KeyPress_Entree(int i) {
    if (i == 1 && e.Qualifie(2))
        Nom_Sc(2)->setFocus();
    else
        Valider->setFocus();
}

void Form4::Valider_Click() {
    QString erreur;
    QString nom1 = Nom_Sc(1)->text();
    QString nom2 = Nom_Sc(2)->text();
    const bool enregistre = Enregistrer_Partie(e, nom1, nom2, fichierScores_, &erreur);
    Nom_Sc(1)->setText(nom1);
    Nom_Sc(2)->setText(nom2);
    // Both frames: a player ranked anew against another copy's records may no longer
    // qualify, and his frame must go all the same.
    Insc_Nom->hide();
    for (int p = e.Nb_Joueurs; p >= 1; --p) {
        Cadre_J(p)->hide();
        e.Qualifie(p) = false;
    }
    Valider->hide();
    Annuler->setFocus();
    Afficher_Scores();
    // Said over the updated table: the new names are shown, only the file is missing.
    if (!enregistre)
        signalerErreur(QStringLiteral("Scores non enregistrés"),
                       erreur + QStringLiteral("\n\nLes nouveaux scores restent dans le tableau "
                                               "jusqu'à la fermeture du jeu, mais ils ne "
                                               "seront pas conservés."));
}

void Form4::Annuler_Click() {
    done(QDialog::Rejected);
}

void Form4::reject() {
    Annuler_Click();
}
