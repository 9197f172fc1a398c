#include "Form2.h"

#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include <QLabel>

Form2::Form2(QWidget* principale) : QDialog(principale) {
    preparerFenetre(this, QStringLiteral("Form2"), TITRE_FORM2, 4170, 2175, couleurs::bleuFonce);

    Image1 = new Image(this, QStringLiteral("Image1"), twips(3300, 600, 510, 510),
                       QStringLiteral(":/pictures/apropos.png"));
    Image1->charger();
    Image1->setAccessibleName(QStringLiteral("Icône de VERLO"));

    VERLO = Panel3D::creer(this, QStringLiteral("VERLO"), twips(480, 480, 2295, 735),
                           QStringLiteral("VERLO"), 24, couleurs::noir, couleurs::faceBouton);

    Etiquette3 = new QLabel(this);
    Etiquette3->setObjectName(QStringLiteral("Etiquette3"));
    Etiquette3->setGeometry(twips(840, 1260, 1815, 240));
    Etiquette3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Etiquette3->setFont(policeJeu(9.75));
    colorer(Etiquette3, couleurs::jaune, couleurs::bleuFonce);

    OK = new Bouton(this, QStringLiteral("OK"), twips(3180, 1560, 855, 495), QStringLiteral("OK"));
    OK->setFont(policeJeu(13.5));
    colorer(OK, couleurs::rougeFonce);
    connect(OK, &QPushButton::clicked, this, &Form2::OK_Click);

    Form_Load(principale);
}

void Form2::Form_Load(QWidget* principale) {
    if (principale)
        move(principale->window()->pos() + QPoint(px(3045), px(1575)));
    Etiquette3->setText(QStringLiteral("Version 4.32"));
    OK->setFocus();
}

void Form2::OK_Click() {
    accept();
}

void Form2::reject() {
    OK_Click();
}
