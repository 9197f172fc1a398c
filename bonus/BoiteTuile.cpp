#include "BoiteTuile.h"

#include <QImageReader>
#include <QPainter>
#include <cmath>
#include <map>

namespace {

constexpr int COLONNES = 6;
constexpr int RANGEES = 5;

} // namespace

const QImage& Feuille_Tuiles(QSize taille) {
    // Drawn at the size shown rather than scaled from a small bitmap: the
    // pictograms stay sharp on every screen density.
    static std::map<std::pair<int, int>, QImage> feuilles;
    auto [place, nouvelle] = feuilles.try_emplace({taille.width(), taille.height()});
    if (nouvelle) {
        QImageReader lecteur(QStringLiteral(":/tuiles/tuiles.svg"));
        lecteur.setScaledSize(QSize(taille.width() * COLONNES, taille.height() * RANGEES));
        place->second = lecteur.read();
    }
    return place->second;
}

BoiteTuile::BoiteTuile(QWidget* parent, const QString& nom, const QRect& geometrie)
    : QWidget(parent) {
    setObjectName(nom);
    setGeometry(geometrie);
}

void BoiteTuile::montrer(int n) {
    if (n == tuile_)
        return;
    tuile_ = n;
    update();
}

void BoiteTuile::paintEvent(QPaintEvent*) {
    if (tuile_ < 0 || tuile_ >= COLONNES * RANGEES)
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::lround(width() * ratio)),
                       static_cast<int>(std::lround(height() * ratio)));
    const QImage& feuille = Feuille_Tuiles(pixels);
    if (feuille.isNull())
        return;
    const QRect source(
        QPoint(tuile_ % COLONNES * pixels.width(), tuile_ / COLONNES * pixels.height()), pixels);
    QPainter(this).drawImage(QRectF(rect()), feuille, QRectF(source));
}
