#pragma once

#include <QLabel>
#include <QStringList>

/**
 * A label of the help text: it wraps at its width, and a numbered item ("2°)", "3° ligne")
 * that a run of blanks leads to always starts a new line. The blanks were put there to push
 * each item onto a line of its own; with this font they would not always fill the line.
 */
class EtiquetteAide final : public QLabel {
    Q_OBJECT
public:
    EtiquetteAide(QWidget* parent, const QString& nom, const QRect& geometrie,
                  const QString& texte);

    /** The lines as drawn, trailing blanks left out. */
    QStringList lignes() const;

protected:
    void paintEvent(QPaintEvent* ev) override;
};
