#include "window_driver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <QWindow>
#include <array>
#include <utility>

#include "output_label.h"

namespace nimbaro::bench {
namespace {

constexpr int kShowTimeoutMilliseconds = 5000;

constexpr std::array kComputeButtons = {"cmdConvert", "cmdConvertRange", "cmdConvertDirection",
                                        "cmdCalculate"};

// The first name part that matches wins; every sample is inside every window's ranges.
const std::array<std::pair<const char*, const char*>, 6> kSamples = {{
    {"Pres", "1013.25"},
    {"Humidity", "50"},
    {"Wind", "15"},
    {"Time", "12"},
    {"DewPoint", "10"},
    {"WetBulb", "15"},
}};
constexpr const char* kDefaultSample = "20";

}  // namespace

bool waitUntilShown(QWidget* window) {
    const QDeadlineTimer deadline(kShowTimeoutMilliseconds);
    while (!(window->windowHandle() && window->windowHandle()->isExposed())) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents();
    }
    // The drawing that the showing asked for.
    QCoreApplication::processEvents();
    return true;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QString sampleFor(const QString& boxName) {
    for (const auto& [part, sample] : kSamples) {
        if (boxName.contains(QLatin1String(part))) {
            return QString::fromLatin1(sample);
        }
    }
    return QString::fromLatin1(kDefaultSample);
}

void fillInputs(QWidget* window) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isEnabled() && box->objectName().startsWith(QLatin1String("txt"))) {
            box->setText(sampleFor(box->objectName()));
        }
    }
}

void clearOutputs(QWidget* window) {
    for (OutputLabel* label : window->findChildren<OutputLabel*>()) {
        label->clear();
    }
}

bool hasOutput(QWidget* window) {
    for (const OutputLabel* label : window->findChildren<OutputLabel*>()) {
        if (!label->text().isEmpty()) {
            return true;
        }
    }
    return false;
}

QList<QPushButton*> computeButtons(QWidget* window) {
    QList<QPushButton*> buttons;
    for (const char* name : kComputeButtons) {
        auto* button = window->findChild<QPushButton*>(QLatin1String(name));
        if (button != nullptr && button->isEnabled()) {
            buttons.append(button);
        }
    }
    return buttons;
}

}  // namespace nimbaro::bench
