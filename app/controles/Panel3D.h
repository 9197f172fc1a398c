#pragma once
// The bevelled panel: a caption on its own colours, also a container and a
// click target (a click on most panels gives the focus back to the answer box).

#include <QColor>
#include <QLabel>
#include <functional>

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

    /**
     * What a screen reader says of the panel, computed when asked, so that it always
     * follows the caption and colours: a board cell tells its letter and its mark.
     * Without one, the accessible name, else the caption, is said.
     */
    void setDescription(std::function<QString()> description);
    QString descriptionAccessible() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* ev) override;

private:
    void signalerDescription();

    std::function<QString()> description_;
};
