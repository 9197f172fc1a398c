#pragma once

#include <QLabel>
#include <QString>

/**
 * A picture that can be clicked (player icons, the loudspeaker switch). The
 * picture is decoded by charger(), which the window calls once it shows.
 */
class Image : public QLabel {
    Q_OBJECT
public:
    Image(QWidget* parent, const QString& nom, const QRect& geometrie, const QString& ressource);

    void charger();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* ev) override;

private:
    QString ressource_;
};
