#include "Marquage.h"

std::array<Marque, 5> Marquer(const Texte5& Mot_Cherche, const Texte5& Mot_Propose) {
    Texte5 cherche;
    Texte5 propose;
    return Marquer(Mot_Cherche, Mot_Propose, cherche, propose);
}

std::array<Marque, 5> Marquer(const Texte5& Mot_Cherche, const Texte5& Mot_Propose,
                              Texte5& Copie_Cherche, Texte5& Copie_Propose) {
    QString cherche = Mot_Cherche.texte();
    QString propose = Mot_Propose.texte();
    std::array<Marque, 5> marques{};

    // Right places first: a letter in its place must not be taken by a yellow.
    for (int i = 0; i < 5; ++i) {
        if (propose[i] == cherche[i]) {
            marques[i] = Marque::BienPlacee;
            cherche[i] = QChar(MARQUE_CHERCHE);
            propose[i] = QChar(MARQUE_PROPOSE);
        } else {
            marques[i] = Marque::Absente;
        }
    }

    // Wrong places, proposal left to right, each hidden letter serving once and
    // the leftmost unused occurrence first.
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) {
            if (cherche[j] == propose[i]) {
                marques[i] = Marque::MalPlacee;
                cherche[j] = QChar(MARQUE_CHERCHE);
                propose[i] = QChar(MARQUE_PROPOSE);
            }
        }
    }

    Copie_Cherche = Texte5(cherche);
    Copie_Propose = Texte5(propose);
    return marques;
}
