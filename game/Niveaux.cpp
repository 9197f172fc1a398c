#include "Niveaux.h"

#include <array>
#include <stdexcept>

namespace {

const std::array<const char*, 3> echelles{" 510152025", " 714212835", " 816243240"};
const std::array<const char*, 3> legendes{"Débutant", "Compétent", "Expert"};

std::size_t rang(int niveau) {
    if (niveau < 1 || niveau > 3)
        throw std::out_of_range("niveau hors de 1..3");
    return static_cast<std::size_t>(niveau - 1);
}

} // namespace

QString legendeNiveau(int niveau) {
    return QString::fromUtf8(legendes[rang(niveau)]);
}

QString legendeRep_H(int niveau, int k) {
    if (k < 1 || k > 5)
        throw std::out_of_range("Rep_H hors de 1..5");
    return QString::fromLatin1(echelles[rang(niveau)]).mid(2 * k - 2, 2).trimmed();
}
