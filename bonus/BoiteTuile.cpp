#include "BoiteTuile.h"

#include <QStringList>

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

QString nomTuile(int n) {
    static const QStringList noms{QStringLiteral("losange bleu"),
                                  QStringLiteral("bulle"),
                                  QStringLiteral("cloche"),
                                  QStringLiteral("calendrier"),
                                  QStringLiteral("caméra"),
                                  QStringLiteral("pot"),
                                  QStringLiteral("tasse"),
                                  QStringLiteral("trèfle"),
                                  QStringLiteral("enveloppe"),
                                  QStringLiteral("poisson"),
                                  QStringLiteral("main"),
                                  QStringLiteral("cœur"),
                                  QStringLiteral("clé"),
                                  QStringLiteral("lettre"),
                                  QStringLiteral("note de musique"),
                                  QStringLiteral("livre ouvert"),
                                  QStringLiteral("téléphone"),
                                  QStringLiteral("punaise"),
                                  QStringLiteral("carte"),
                                  QStringLiteral("diplôme"),
                                  QStringLiteral("pique"),
                                  QStringLiteral("haut-parleur"),
                                  QStringLiteral("horloge"),
                                  QStringLiteral("poubelle"),
                                  QStringLiteral("pile de feuilles"),
                                  QStringLiteral("carreau"),
                                  QStringLiteral("visage vert"),
                                  QStringLiteral("visage souriant"),
                                  QStringLiteral("croix"),
                                  QStringLiteral("boule bleue")};
    return n >= 0 && n < noms.size() ? noms[n] : QString();
}

void BoiteTuile::montrer(int n) {
    if (n == tuile_)
        return;
    tuile_ = n;
    setAccessibleName(nomTuile(n));
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
