#pragma once
// Arrays with the game's own index ranges (player slots 1..2, cells 1..25...).
// An index outside the range is a programming error and throws, so a slip such
// as addressing player slot 0 is caught at once rather than reading a neighbour.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

template <typename T, int Bas, int Haut> class Tableau {
    static_assert(Bas <= Haut);

public:
    static constexpr int bas = Bas;
    static constexpr int haut = Haut;

    T& operator()(int i) { return d_[position(i)]; }
    const T& operator()(int i) const { return d_[position(i)]; }
    void fill(const T& v) { d_.fill(v); }
    static bool contient(int i) { return i >= Bas && i <= Haut; }

private:
    static std::size_t position(int i) {
        if (!contient(i))
            throw std::out_of_range("index " + std::to_string(i) + " hors de " +
                                    std::to_string(Bas) + ".." + std::to_string(Haut));
        return static_cast<std::size_t>(i - Bas);
    }
    std::array<T, Haut - Bas + 1> d_{};
};

template <typename T, int Bas1, int Haut1, int Bas2, int Haut2> class Tableau2 {
public:
    T& operator()(int i, int j) { return lignes_(i)(j); }
    const T& operator()(int i, int j) const { return lignes_(i)(j); }
    void fill(const T& v) {
        for (int i = Bas1; i <= Haut1; ++i)
            lignes_(i).fill(v);
    }

private:
    Tableau<Tableau<T, Bas2, Haut2>, Bas1, Haut1> lignes_;
};
