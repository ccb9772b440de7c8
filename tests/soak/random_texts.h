#pragma once

#include <QString>
#include <random>

#include "number_locale.h"

namespace nimbaro::test {

// Entries a user might type: numbers of every magnitude from 1e-320 to 1e308 in plain,
// grouped and exponent form, whole and half degrees, edges of the double range, numbers
// written with another locale's separators, junk and blanks.
class RandomTexts {
  public:
    RandomTexts(std::mt19937_64& random, NumberLocale locale);

    QString next();

  private:
    QString anyMagnitude();
    QString smallNumber();
    QString otherLocaleNumber();
    QString junk();
    QString plainDigits(const std::string& digits, int pointPosition, bool grouped,
                        const NumberLocale& locale);
    int uniform(int low, int high);
    bool chance(double probability);
    template <typename List>
    QString pick(const List& list) {
        return list[static_cast<std::size_t>(uniform(0, static_cast<int>(std::size(list)) - 1))];
    }

    std::mt19937_64& random_;
    NumberLocale locale_;
};

}  // namespace nimbaro::test
