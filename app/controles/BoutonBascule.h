#pragma once

#include "Bouton.h"

/**
 * A two-state picture button (the bonus toggle). Released it is drawn as any button;
 * pressed it sinks into a darker bevel, so that its state reads at a glance.
 */
class BoutonBascule : public Bouton {
    Q_OBJECT
public:
    BoutonBascule(QWidget* parent, const QString& nom, const QRect& geometrie);

protected:
    void paintEvent(QPaintEvent* ev) override;
};
