#pragma once

#include <QString>
#include <vector>

#include "window_fixture.h"

namespace nimbaro::test {

// What a user types into one input box.
struct Entry {
    const char* box;
    const char* text;
};

// Drives the calculation windows: opens one from its launch button, picks options, types the
// entries and presses "&Calculate", recording the messages the click showed.
class CalculationFixture : public WindowFixture {
  protected:
    struct Click {
        std::vector<QString> outputs;
        std::vector<QString> messages;  // "title: text"
    };

    QWidget* launchCalculation(const char* windowName);
    // Clicks the option like a user (a disabled option does not respond).
    void choose(const char* option);
    Click calculate(const std::vector<Entry>& entries);
    // Every enabled box (those the current method reads) with the value the worked examples
    // type for these units: air temperature 20 °C / 80 °F / 300 K, dew point 10 / 60 / 285,
    // wet bulb 15 / 65 / 292, humidity 45 %, pressure 1013.25 hPa (also for nullptr) / 760 mm
    // / 29.92 in; on the wind chill window temperature -5 °C / 25 °F / 265 K and wind speed 20;
    // time 3 seconds.
    std::vector<Entry> typicalEntries(const char* temperatureUnit = "optCelsius",
                                      const char* pressureUnit = nullptr);
    std::vector<QString> outputs();
    QLineEdit* box(const char* name) { return find<QLineEdit>(window_, name); }
    QRadioButton* option(const char* name) { return find<QRadioButton>(window_, name); }

    static std::vector<const char*> outputNames(const char* windowName);

    QWidget* window_ = nullptr;
    const char* windowName_ = nullptr;
};

inline const QString kInvalidNumbers = QStringLiteral("Unable to Calculate: Invalid Numbers Used");

}  // namespace nimbaro::test
