#pragma once
// The three levels: the option captions and the points scale shown beside the
// rows. Each scale is five 2-character fields; the first belongs to the points
// label Rep_H(1), the others to the labels below it.

#include <QString>
#include <QStringView>

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

inline constexpr int NIVEAU_MIN = 1;
inline constexpr int NIVEAU_MAX = 3;

inline constexpr std::array<std::u16string_view, 3> Echelles_Niveaux = {
    u" 510152025", u" 714212835", u" 816243240"};

inline constexpr std::array<std::u16string_view, 3> Legendes_Niveaux = {u"Débutant", u"Compétent",
                                                                        u"Expert"};

namespace niveaux_detail {

inline std::size_t rangNiveau(int niveau) {
    if (niveau < NIVEAU_MIN || niveau > NIVEAU_MAX)
        throw std::out_of_range("niveau " + std::to_string(niveau) + " hors de 1..3");
    return static_cast<std::size_t>(niveau - NIVEAU_MIN);
}

inline QString versQString(std::u16string_view v) {
    return QStringView(v.data(), static_cast<qsizetype>(v.size())).toString();
}

} // namespace niveaux_detail

/** The whole scale text of a level, e.g. " 510152025". */
inline QString echelleNiveau(int niveau) {
    return niveaux_detail::versQString(Echelles_Niveaux[niveaux_detail::rangNiveau(niveau)]);
}

/** The caption of a level's option button. */
inline QString legendeNiveau(int niveau) {
    return niveaux_detail::versQString(Legendes_Niveaux[niveaux_detail::rangNiveau(niveau)]);
}

/** The text of label Rep_H(k) at a level: field k of the scale, leading blanks dropped. */
inline QString legendeRep_H(int niveau, int k) {
    const std::u16string_view echelle = Echelles_Niveaux[niveaux_detail::rangNiveau(niveau)];
    if (k < 1 || k > 5)
        throw std::out_of_range("Rep_H(" + std::to_string(k) + ") hors de 1..5");
    std::u16string_view champ = echelle.substr(static_cast<std::size_t>(2 * k - 2), 2);
    while (!champ.empty() && champ.front() == u' ')
        champ.remove_prefix(1);
    return niveaux_detail::versQString(champ);
}
