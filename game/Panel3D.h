#pragma once
// The bevelled panel: a caption on its own colours, also a container and a
// click target (a click on most panels gives the focus back to the answer box).

#include <QColor>
#include <QLabel>

class Panel3D : public QLabel {
    Q_OBJECT
public:
    explicit Panel3D(QWidget* parent, const QString& nom, const QRect& geometrie,
                     Qt::Alignment alignement = Qt::AlignHCenter | Qt::AlignTop);

    void setBackColor(const QColor& c);
    void setForeColor(const QColor& c);
    QColor backColor() const;
    QColor foreColor() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* ev) override;
};

/** A picture that can be clicked (player icons, the loudspeaker switch). */
class Image : public QLabel {
    Q_OBJECT
public:
    Image(QWidget* parent, const QString& nom, const QRect& geometrie, const QString& ressource);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* ev) override;
};
