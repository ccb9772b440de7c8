#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "number_locale.h"
#include "window_controls.h"

namespace nimbaro::test {

// What a button press must leave: whether a message box shows, and the screen after it.
struct Outcome {
    bool message = false;
    Screen screen;
    // Where they are known: the messages ("title: text") in the order they show.
    QStringList messages = {};
};

// The exact outcome of pressing `button` on a window showing `before`; nothing where the soak
// knows no exact answer (it then checks only the rules every window keeps).
using Expectation = std::function<std::optional<Outcome>(
    const Screen& before, const QString& button, const NumberLocale& locale)>;

// What the soak needs to know of one window beyond its controls.
struct WindowRules {
    int decimals = 5;
    bool labelsClearOnClick = true;
    // Whether an option click may clear the results: choosing a method of another calculation
    // does, on a window whose methods belong to several.
    bool optionsClearResults = false;
    // Whether `text` is a form that `label` may show; by default a number with `decimals`.
    std::function<bool(const QString& label, const QString& text, const NumberLocale& locale)>
        showsForm = {};
    // The results of the window's own buttons, from the core arithmetic; empty where there is
    // none yet to compare with.
    Expectation expectation = {};
};

// The rules of the window with that object name: the one table of per-window knowledge.
WindowRules rulesFor(const QString& windowName);

}  // namespace nimbaro::test
