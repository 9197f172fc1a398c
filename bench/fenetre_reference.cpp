// The yardstick for start-up: a plain Qt Widgets window with the main window's kinds of
// controls at its size (25 bold labels, option buttons, a scroll bar, a gauge, a line
// edit, push buttons, a small picture), built the straightforward way.

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenetre de reference"));
    fenetre.setFixedSize(632, 403);

    QFont gras = fenetre.font();
    gras.setPixelSize(32);
    gras.setBold(true);
    for (int k = 0; k < 25; ++k) {
        auto* l = new QLabel(QString(QChar(u'A' + k)), &fenetre);
        l->setGeometry(185 + 64 * (k % 5), 12 + 64 * (k / 5), 57, 57);
        l->setFont(gras);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Panel | QFrame::Raised);
        l->setAutoFillBackground(true);
    }
    for (int i = 0; i < 5; ++i)
        (new QRadioButton(QStringLiteral("Option %1").arg(i + 1), &fenetre))
            ->setGeometry(10, 230 + 22 * i, 100, 20);
    for (int i = 0; i < 6; ++i)
        (new QPushButton(QStringLiteral("Bouton %1").arg(i + 1), &fenetre))
            ->setGeometry(516, 222 + 29 * i, 113, 27);
    (new QScrollBar(Qt::Horizontal, &fenetre))->setGeometry(380, 340, 104, 20);
    auto* jauge = new QProgressBar(&fenetre);
    jauge->setGeometry(190, 370, 283, 18);
    jauge->setTextVisible(false);
    jauge->setValue(30);
    (new QLineEdit(&fenetre))->setGeometry(10, 180, 101, 34);
    auto* image = new QLabel(&fenetre);
    image->setGeometry(40, 100, 34, 34);
    QImageReader lecteur(QStringLiteral(":/joueur1.png"), "png"); // no plugin tried
    lecteur.setAutoDetectImageFormat(false);
    lecteur.setDecideFormatFromContent(false);
    image->setPixmap(QPixmap::fromImage(lecteur.read()));

    fenetre.show();
    return QApplication::exec();
}
