#pragma once
// A picture box of the draw window: shows one tile of the tile sheet, or nothing.

#include <QWidget>

/** Tile numbers with a role of their own; 1..25 are the balls. */
namespace tuiles {
inline constexpr int vide = -1;
inline constexpr int visage = 27; // flash of a complete line
inline constexpr int croix = 28;  // a ball of this opening already drawn
inline constexpr int boule = 29;  // a ball still to draw; a covered cell
} // namespace tuiles

/** What tile n pictures, in French, for screen readers: "trèfle"; empty outside 0..29. */
QString nomTuile(int n);

/** A picture box showing one tile; screen readers hear what the tile pictures. */
class BoiteTuile : public QWidget {
    Q_OBJECT
public:
    BoiteTuile(QWidget* parent, const QString& nom, const QRect& geometrie);

    /** Shows tile n (0..29), or nothing for tuiles::vide; repainted at the next pass. */
    void montrer(int n);
    int tuile() const { return tuile_; }

protected:
    void paintEvent(QPaintEvent* ev) override;

private:
    int tuile_ = tuiles::vide;
};

/**
 * The tile sheet drawn for tiles of `taille` device pixels: 6 x 5 tiles, tile n at
 * column n % 6, row n / 6. Drawn from the picture once per size, then kept. Null if
 * the picture cannot be read.
 */
const QImage& Feuille_Tuiles(QSize taille);
