#pragma once
// A text of exactly five characters: shorter values are padded with blanks,
// longer ones cut. Word-list entries, the hidden word and the proposal use it.

#include <QString>

class Texte5 {
public:
    Texte5() : s_(5, QChar(0)) {} // zero-filled, as before any word is drawn
    Texte5(const QString& v) : s_(v.left(5).leftJustified(5, QLatin1Char(' '))) {}

    const QString& texte() const { return s_; }
    QChar operator[](int i) const { return s_[i]; } // 0-based
    bool operator==(const Texte5&) const = default;

private:
    QString s_;
};
