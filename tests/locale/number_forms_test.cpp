#include <gtest/gtest.h>

#include <QLocale>
#include <cstdlib>
#include <optional>
#include <string>

#include "locale_bridge.h"
#include "system_locale.h"

namespace nimbaro {
namespace {

struct Forms {
    const char* locale;
    const char* decimalSeparator;
    const char* groupSeparator;
    int firstGroupDigits;
    int laterGroupDigits;
};

// The windows read a locale's number forms from Qt, nimbaro-calc and the Python module from the
// C library: the two give the same forms, grouping included.
class NumberForms : public testing::TestWithParam<Forms> {
  protected:
    // The C library looks for the generated locales there.
    static void SetUpTestSuite() { ::setenv("LOCPATH", LOCALE_DIR, 1); }
    void TearDown() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

TEST_P(NumberForms, AreTheSameInTheWindowsAndFromTheCLibrary) {
    const Forms& expected = GetParam();
    const std::optional<NumberLocale> system =
        systemNumberLocale(std::string(expected.locale) + ".UTF-8");
    ASSERT_TRUE(system.has_value()) << "LOCPATH holds no " << expected.locale << ".UTF-8";
    QLocale::setDefault(QLocale(QString::fromLatin1(expected.locale)));
    for (const NumberLocale& forms : {*system, currentNumberLocale()}) {
        EXPECT_EQ(forms.decimalSeparator, expected.decimalSeparator);
        EXPECT_EQ(forms.groupSeparator, expected.groupSeparator);
        EXPECT_EQ(forms.minusSign, "-");
        EXPECT_EQ(forms.firstGroupDigits, expected.firstGroupDigits);
        EXPECT_EQ(forms.laterGroupDigits, expected.laterGroupDigits);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberForms,
                         testing::Values(Forms{"en_US", ".", ",", 3, 3},
                                         Forms{"de_DE", ",", ".", 3, 3},
                                         Forms{"fr_FR", ",", "\u202F", 3, 3},
                                         Forms{"en_IN", ".", ",", 3, 2}));

}  // namespace
}  // namespace nimbaro
