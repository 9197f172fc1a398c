#pragma once
// A text of exactly five characters: shorter values are padded with blanks,
// longer ones cut. Word-list entries, the hidden word and the proposal use it.

#include <QString>

class Texte5 {
public:
    // Zero-filled, as before any word is drawn. Shared: the lists hold thousands.
    Texte5() : s_(zero()) {}
    Texte5(const QString& v) : s_(v.left(5).leftJustified(5, QLatin1Char(' '))) {}

    const QString& texte() const { return s_; }
    QChar operator[](int i) const { return s_[i]; } // 0-based
    bool operator==(const Texte5&) const = default;

private:
    static const QString& zero() {
        static const QString z(5, QChar(0));
        return z;
    }
    QString s_;
};
