#include "EtiquetteAide.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

EtiquetteAide::EtiquetteAide(QWidget* parent, const QString& nom, const QRect& geometrie,
                             const QString& texte)
    : QLabel(texte, parent) {
    setObjectName(nom);
    setGeometry(geometrie);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QStringList EtiquetteAide::lignes() const {
    static const QRegularExpression avantNumero(QStringLiteral(" {2,}(?=\\d°)"));
    QStringList resultat;
    for (const QString& paragraphe : text().split(avantNumero)) {
        QTextLayout mise(paragraphe, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        mise.setTextOption(option);
        mise.beginLayout();
        for (QTextLine ligne = mise.createLine(); ligne.isValid(); ligne = mise.createLine()) {
            ligne.setLineWidth(contentsRect().width());
            resultat << paragraphe.mid(ligne.textStart(), ligne.textLength()).trimmed();
        }
        mise.endLayout();
    }
    return resultat;
}

void EtiquetteAide::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.setFont(font());
    peintre.setPen(palette().color(foregroundRole()));
    const int hauteur = fontMetrics().lineSpacing();
    QRect ligne = contentsRect();
    ligne.setHeight(hauteur);
    for (const QString& texte : lignes()) {
        peintre.drawText(ligne, int(alignment()), texte);
        ligne.translate(0, hauteur);
    }
}
