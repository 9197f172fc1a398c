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

    /** A panel with its caption, font size (points) and colours, as the layouts give them. */
    static Panel3D* creer(QWidget* parent, const QString& nom, const QRect& geometrie,
                          const QString& legende, double points, const QColor& texte,
                          const QColor& fond,
                          Qt::Alignment alignement = Qt::AlignHCenter | Qt::AlignTop);

    void setBackColor(const QColor& c);
    void setForeColor(const QColor& c);
    void setColors(const QColor& texte, const QColor& fond);
    QColor backColor() const;
    QColor foreColor() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* ev) override;
};

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
