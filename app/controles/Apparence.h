#pragma once
// The game's look does not follow the desktop theme: a dark theme must not
// invert the board, and the layout is sized for one font.

#include "app/Marquage.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QApplication;
class QDialog;
class QWidget;

/** Fusion style, fixed light palette, the game's font. */
void appliquerApparence(QApplication& app);

/** The game's bold font at a size in points (96 dpi: sizes are fixed in pixels). */
QFont policeJeu(double points, bool gras = true);

/**
 * One of the game's pictures (":/pictures/NAME.png"), the @2x drawing on a
 * high-density screen. Only the drawing that shows is decoded.
 */
QPixmap imageJeu(const QString& ressource);

/** Pixels from twips, the unit the layout is drawn in. */
constexpr int px(int twips) {
    return (twips + 7) / 15;
}

/** A rectangle given in twips, in pixels. */
QRect twips(int gauche, int haut, int largeur, int hauteur);

/** The object name of element i of a control array: "Mot(7)". */
QString indice(const char* nom, int i);

/** A fixed-size modal game window: its name, caption, client area (twips) and background. */
void preparerFenetre(QDialog* fenetre, const QString& nom, const QString& titre, int largeur,
                     int hauteur, const QColor& fond);

/**
 * The background of a board cell (or of the Help window's example) showing a mark: the
 * game's own colours, or (`adaptees`) colours told apart with every common colour-vision
 * deficiency.
 */
QColor couleurMarque(Marque m, bool adaptees = false);

/** The text colour of the score of the player who leads (or ties), or trails. */
QColor couleurMeneur(bool devant, bool adaptees = false);

/** Sets a widget's text and background colours; an invalid colour keeps the palette's. */
void colorer(QWidget* w, const QColor& texte, const QColor& fond = QColor());

namespace couleurs {
inline const QColor faceBouton(192, 192, 192);
inline const QColor gris(192, 192, 192);
inline const QColor vert(0, 255, 0);
inline const QColor jaune(255, 255, 0);
inline const QColor cyan(0, 255, 255);
inline const QColor rouge(255, 0, 0);
inline const QColor noir(0, 0, 0);
inline const QColor blanc(255, 255, 255);
inline const QColor bleuFonce(0, 0, 128);
inline const QColor rougeFonce(128, 0, 0);
inline const QColor vertFonce(0, 64, 0);
inline const QColor vertMoyen(0, 128, 0);
inline const QColor violet(128, 0, 128);
inline const QColor orange(255, 128, 0);
inline const QColor barreTemps(192, 0, 0);
// Told apart by every common colour-vision deficiency (tools/daltonisme.py measures them):
// the two marks, then the leading and the trailing score.
inline const QColor adapteeBienPlacee(255, 100, 0);
inline const QColor adapteeMalPlacee(100, 115, 245);
inline const QColor adapteeDevant(180, 60, 0);
inline const QColor adapteeDerriere(0, 60, 160);
} // namespace couleurs
