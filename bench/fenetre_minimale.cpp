// The yardstick: the least a Qt Widgets program does to show a window with text.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel fenetre(QStringLiteral("   V E R L O  fenêtre de référence"));
    fenetre.setWindowTitle(QStringLiteral("Fenetre minimale"));
    fenetre.resize(632, 403);
    fenetre.show();
    return QApplication::exec();
}
