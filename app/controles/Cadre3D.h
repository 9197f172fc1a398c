#pragma once

#include <QFrame>
#include <QString>

/**
 * A bevelled frame with its caption in the top edge. Drawn here rather than by
 * QGroupBox, which measures its font when built and so loads the font database
 * before the window can show.
 */
class Cadre3D : public QFrame {
    Q_OBJECT
public:
    Cadre3D(QWidget* parent, const QString& nom, const QRect& geometrie, const QString& titre);

    QString title() const { return titre_; }
    void setTitle(const QString& titre);

protected:
    void paintEvent(QPaintEvent* ev) override;

private:
    QString titre_;
};
