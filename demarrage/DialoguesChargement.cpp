#include "DialoguesChargement.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {

// Start-up shows the busy pointer; a question to the user needs the arrow.
class PointeurNormal {
public:
    PointeurNormal() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~PointeurNormal() { QApplication::restoreOverrideCursor(); }
    PointeurNormal(const PointeurNormal&) = delete;
    PointeurNormal& operator=(const PointeurNormal&) = delete;
};

} // namespace

void installerTraductionsQt() {
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    auto* traducteur = new QTranslator(QCoreApplication::instance());
    if (traducteur->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducteur);
}

void DialoguesChargementQt::avertir(const QString& titre, const QString& texte) {
    installerTraductionsQt();
    PointeurNormal fleche;
    QMessageBox boite(QMessageBox::Warning, titre,
                      QString(texte).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                      QMessageBox::Ok);
    boite.exec();
}

std::optional<QString> DialoguesChargementQt::choisirFichier(const QString& dossier,
                                                             const QString& filtre) {
    installerTraductionsQt();
    PointeurNormal fleche;
    const QString choix = QFileDialog::getOpenFileName(nullptr, QString(), dossier, filtre);
    if (choix.isEmpty())
        return std::nullopt;
    return choix;
}
