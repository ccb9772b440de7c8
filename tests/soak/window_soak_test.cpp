// Thousands of random steps on every window the main menu opens, through the real widgets:
// entries of every magnitude, junk and blanks, option and method changes, every button, label
// clicks, Enter, Back and a new launch. After each step the window must show only what it may
// show, and exactly what the core arithmetic gives wherever the soak knows the answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <deque>
#include <random>

#include "home_window.h"
#include "locale_bridge.h"
#include "message_catcher.h"
#include "output_label.h"
#include "qt_printers.h"
#include "random_texts.h"
#include "window_catalog.h"
#include "window_controls.h"
#include "window_registry.h"
#include "window_rules.h"

namespace nimbaro::test {
namespace {

constexpr int kStepsPerWindowAndLocale = 1200;
constexpr std::size_t kHistoryShown = 12;

struct SoakLocale {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
};

void PrintTo(const SoakLocale& locale, std::ostream* out) {
    *out << locale.name;
}

const SoakLocale kLocales[] = {{"English", QLocale::English, QLocale::UnitedStates},
                               {"German", QLocale::German, QLocale::Germany},
                               {"French", QLocale::French, QLocale::France}};

// The launch buttons of the main menu, page by page: every window the user can open.
std::vector<std::string> launchButtons() {
    WindowRegistry registry;
    HomeWindow home(registry);
    std::vector<std::string> names;
    for (const QPushButton* button :
         home.findChild<QTabWidget*>("tabMain")->findChildren<QPushButton*>()) {
        names.push_back(button->objectName().toStdString());
    }
    return names;
}

std::uint64_t stableHash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

QString describe(const std::map<QString, QString>& texts) {
    QStringList parts;
    for (const auto& [name, text] : texts) {
        parts << name + "=\"" + text + "\"";
    }
    return parts.join(", ");
}

using SoakParameter = std::tuple<std::string, SoakLocale>;

class WindowSoak : public testing::TestWithParam<SoakParameter> {
  protected:
    void SetUp() override {
        const SoakLocale& locale = std::get<1>(GetParam());
        QLocale::setDefault(QLocale(locale.language, locale.territory));
        locale_ = currentNumberLocale();
        random_.seed(stableHash(std::get<0>(GetParam()) + locale.name));
        registerWindows(registry_);
        home_ = registry_.open(WindowRegistry::kHomeWindow);
    }

    void TearDown() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the window through its launch button; nothing when that window is not built.
    QWidget* launch() {
        window_ = nullptr;
        home_->findChild<QPushButton*>(QString::fromStdString(std::get<0>(GetParam())))->click();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != home_ && window->isVisible() && window->objectName().startsWith("frm")) {
                window_ = window;
                // A user acts only once a new window is up and active and the event loop has
                // gone idle. Acting sooner lets the activation, and the line edits' deferred
                // clean-up after it, run inside a message box and drop a refused entry's
                // selection, which no window manager restores offscreen.
                EXPECT_TRUE(QTest::qWaitForWindowActive(window))
                    << window->objectName().toStdString();
                QCoreApplication::sendPostedEvents();
                controls_ = WindowControls::of(window);
                rules_ = rulesFor(window->objectName());
                return window;
            }
        }
        return nullptr;
    }

    int uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    template <typename Control>
    Control* pickFrom(const std::vector<Control*>& controls) {
        return controls.empty() ? nullptr
                                : controls[static_cast<std::size_t>(
                                      uniform(0, static_cast<int>(controls.size()) - 1))];
    }

    // One random user action; returns what it did, for the report.
    QString act(RandomTexts& texts);
    void typeInto(QLineEdit* box, const QString& text);
    // The outcomes the step may have, where they are known exactly; none where they are not.
    std::vector<Outcome> expected(const Screen& before) const;
    std::optional<Outcome> pressOutcome(const Screen& before, const QString& button) const;
    // The first rule the step broke, or an empty text.
    QString brokenRule(const Screen& before, const Screen& after,
                       const std::vector<ShownMessage>& shown) const;
    // What the window shows: labels, their drawing and the message boxes.
    QString brokenShowingRule(const Screen& after, const std::vector<ShownMessage>& shown) const;
    // What the step did to the window's state.
    QString brokenStepRule(const Screen& before, const Screen& after,
                           const std::vector<ShownMessage>& shown) const;

    WindowRegistry registry_;
    MessageCatcher messages_;
    QWidget* home_ = nullptr;
    QWidget* window_ = nullptr;
    WindowControls controls_;
    WindowRules rules_;
    NumberLocale locale_;
    std::mt19937_64 random_;
    Screen loadState_;

    enum class Action { Type, Option, Press, Enter, LabelClick, BackAndLaunch };
    Action action_ = Action::Type;
    QString target_;
    QString typed_;
};

QString WindowSoak::act(RandomTexts& texts) {
    const int roll = uniform(0, 999);
    if (roll < 350 && !controls_.boxes.empty()) {
        QLineEdit* box = pickFrom(controls_.boxes);
        action_ = Action::Type;
        target_ = box->objectName();
        typed_ = texts.next();
        typeInto(box, typed_);
        return "type \"" + typed_ + "\" into " + target_ + (box->isEnabled() ? "" : " (disabled)");
    }
    if (roll < 500 && !controls_.optionGroups.empty()) {
        QRadioButton* option = pickFrom(controls_.optionGroups[static_cast<std::size_t>(
            uniform(0, static_cast<int>(controls_.optionGroups.size()) - 1))]);
        action_ = Action::Option;
        target_ = option->objectName();
        QTest::mouseClick(option, Qt::LeftButton);
        return "click " + target_;
    }
    if (roll < 800 && !controls_.computeButtons.empty()) {
        QPushButton* button = pickFrom(controls_.computeButtons);
        action_ = Action::Press;
        target_ = button->objectName();
        QTest::mouseClick(button, Qt::LeftButton);
        return "press " + target_;
    }
    if (roll < 870 && !controls_.boxes.empty()) {
        QLineEdit* box = pickFrom(controls_.boxes);
        action_ = Action::Enter;
        target_ = box->objectName();
        QTest::keyClick(box, Qt::Key_Return);
        return "Enter in " + target_;
    }
    if (roll < 930 && !controls_.clearButtons.empty()) {
        QPushButton* button = pickFrom(controls_.clearButtons);
        action_ = Action::Press;
        target_ = button->objectName();
        QTest::mouseClick(button, Qt::LeftButton);
        return "press " + target_;
    }
    if (roll < 995 && !controls_.labels.empty()) {
        OutputLabel* label = pickFrom(controls_.labels);
        action_ = Action::LabelClick;
        target_ = label->objectName();
        QTest::mouseClick(label, Qt::LeftButton);
        return "click label " + target_;
    }
    action_ = Action::BackAndLaunch;
    target_.clear();
    QTest::mouseClick(controls_.back, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    launch();
    return "Back, then launch again";
}

// Clicks into the box and types like a user; characters no key gives (a tab, a no-break
// space) arrive as a paste.
void WindowSoak::typeInto(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    const bool typeable = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F;
    });
    if (typeable) {
        QTest::keyClicks(box, text);
    } else if (box->isEnabled()) {
        box->insert(text);
    }
}

std::optional<Outcome> WindowSoak::pressOutcome(const Screen& before, const QString& button) const {
    Outcome outcome{false, before};
    if (button == QLatin1String("cmdReset")) {
        for (auto& [name, text] : outcome.screen.boxes) {
            text.clear();
        }
    }
    if (button == QLatin1String("cmdReset") || button == QLatin1String("cmdOutput")) {
        for (auto& [name, text] : outcome.screen.labels) {
            text.clear();
        }
        return outcome;
    }
    return rules_.expectation ? rules_.expectation(before, button, locale_) : std::nullopt;
}

std::vector<Outcome> WindowSoak::expected(const Screen& before) const {
    Outcome unchanged{false, before};
    switch (action_) {
        case Action::Type:
            if (before.enabledBoxes.at(target_)) {
                unchanged.screen.boxes[target_] = typed_;
            }
            return {unchanged};
        case Action::Option: {
            if (!rules_.optionsClearResults) {
                return {unchanged};
            }
            Outcome cleared = unchanged;
            for (auto& [label, text] : cleared.screen.labels) {
                text.clear();
            }
            return {unchanged, cleared};
        }
        case Action::Enter: {
            // Enter presses the box's compute button, or nothing when the box is disabled.
            std::vector<Outcome> outcomes = {unchanged};
            for (const QPushButton* button : controls_.computeButtons) {
                const std::optional<Outcome> pressed = pressOutcome(before, button->objectName());
                if (!pressed) {
                    return {};
                }
                outcomes.push_back(*pressed);
            }
            return outcomes;
        }
        case Action::Press:
            if (const std::optional<Outcome> pressed = pressOutcome(before, target_)) {
                return {*pressed};
            }
            return {};
        case Action::LabelClick:
            if (rules_.labelsClearOnClick) {
                unchanged.screen.labels[target_].clear();
            }
            return {unchanged};
        case Action::BackAndLaunch:
            break;  // compared with the load state instead
    }
    return {};
}

QString WindowSoak::brokenRule(const Screen& before, const Screen& after,
                               const std::vector<ShownMessage>& shown) const {
    const QString broken = brokenShowingRule(after, shown);
    return broken.isEmpty() ? brokenStepRule(before, after, shown) : broken;
}

QString WindowSoak::brokenShowingRule(const Screen& after,
                                      const std::vector<ShownMessage>& shown) const {
    for (const auto& [label, text] : after.labels) {
        if (!text.isEmpty() && !rules_.showsForm(label, text, locale_)) {
            return label + " shows \"" + text + "\"";
        }
    }
    for (const OutputLabel* label : controls_.labels) {
        const QString drawn = label->displayedText();
        const bool whole = drawn == label->text() || drawn.contains(QChar(0x2026));
        if (!whole || QFontMetrics(label->displayFont()).horizontalAdvance(drawn) >
                          label->valueRect().width()) {
            return label->objectName() + " cuts off \"" + label->text() + "\"";
        }
    }
    for (const ShownMessage& message : shown) {
        if (message.title.isEmpty() || message.text.isEmpty() ||
            message.buttons != QMessageBox::Ok || message.icon != QMessageBox::NoIcon) {
            return "a malformed message: " + message.title + ": " + message.text;
        }
    }
    return {};
}

QString WindowSoak::brokenStepRule(const Screen& before, const Screen& after,
                                   const std::vector<ShownMessage>& shown) const {
    if (action_ == Action::BackAndLaunch) {
        return after.checkedOptions == loadState_.checkedOptions &&
                       after.enabledBoxes == loadState_.enabledBoxes &&
                       after.labels == loadState_.labels && after.boxes == loadState_.boxes
                   ? QString()
                   : QStringLiteral("a new launch does not show the load state");
    }
    if (!shown.empty() && after.labels != before.labels) {
        return "a message, yet the outputs changed: " + describe(after.labels);
    }
    const bool clearsBoxes = action_ == Action::Press && target_.startsWith("cmdReset");
    for (const auto& [box, enabled] : before.enabledBoxes) {
        if (!enabled && !clearsBoxes && after.boxes.at(box) != before.boxes.at(box)) {
            return "disabled " + box + " lost its text \"" + before.boxes.at(box) + "\"";
        }
    }
    if (action_ != Action::Option && after.checkedOptions != before.checkedOptions) {
        return QStringLiteral("the options changed without an option click");
    }
    if (action_ != Action::Option && after.enabledBoxes != before.enabledBoxes) {
        return QStringLiteral("the boxes' enabling changed without a method change");
    }
    const bool refused = std::any_of(shown.begin(), shown.end(), [](const ShownMessage& message) {
        return message.title == QLatin1String("Numerical Value Needed");
    });
    auto* focused = qobject_cast<QLineEdit*>(window_->focusWidget());
    if (refused && (focused == nullptr || focused->selectedText() != focused->text())) {
        return QStringLiteral("after a refused entry the focus is not on the box, all selected");
    }
    const std::vector<Outcome> outcomes = expected(before);
    QStringList shownSummaries;
    for (const ShownMessage& message : shown) {
        shownSummaries << message.title + ": " + message.text;
    }
    const auto matches = [&](const Outcome& outcome) {
        return outcome.message == !shown.empty() &&
               (outcome.messages.isEmpty() || outcome.messages == shownSummaries) &&
               after.labels == outcome.screen.labels && after.boxes == outcome.screen.boxes;
    };
    if (!outcomes.empty() && std::none_of(outcomes.begin(), outcomes.end(), matches)) {
        const Outcome& likeliest = outcomes.back();
        const QStringList& messages = likeliest.messages;
        return QStringLiteral("expected ") +
               (!messages.isEmpty() ? "the messages [" + messages.join(" | ") + "] and "
                : likeliest.message ? QStringLiteral("a message and ")
                                    : QString()) +
               describe(likeliest.screen.labels) + " " + describe(likeliest.screen.boxes) +
               (shown.empty() ? QString()
                              : "\nbut the messages [" + shownSummaries.join(" | ") + "]");
    }
    return {};
}

TEST_P(WindowSoak, KeepsEveryRuleThroughRandomUse) {
    if (launch() == nullptr) {
        GTEST_SKIP() << "this launch button opens no window yet";
    }
    loadState_ = Screen::of(controls_);
    RandomTexts texts(random_, locale_);
    std::deque<QString> history;
    for (int step = 0; step < kStepsPerWindowAndLocale; ++step) {
        const Screen before = Screen::of(controls_);
        const std::size_t messagesBefore = messages_.messages().size();
        history.push_back(QString::number(step) + ": " + act(texts));
        if (history.size() > kHistoryShown) {
            history.pop_front();
        }
        ASSERT_NE(window_, nullptr) << "the window did not open again";
        ASSERT_TRUE(window_->isVisible()) << history.back().toStdString();
        const Screen after = Screen::of(controls_);
        const std::vector<ShownMessage> shown(
            messages_.messages().begin() + static_cast<std::ptrdiff_t>(messagesBefore),
            messages_.messages().end());
        const QString broken = brokenRule(before, after, shown);
        ASSERT_TRUE(broken.isEmpty())
            << broken.toStdString() << "\nbefore: " << describe(before.labels).toStdString() << " "
            << describe(before.boxes).toStdString()
            << "\nafter:  " << describe(after.labels).toStdString() << " "
            << describe(after.boxes).toStdString() << "\nsteps:\n  "
            << QStringList(history.begin(), history.end()).join("\n  ").toStdString();
    }
}

std::string caseName(const testing::TestParamInfo<SoakParameter>& info) {
    return std::get<0>(info.param) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowSoak,
                         testing::Combine(testing::ValuesIn(launchButtons()),
                                          testing::ValuesIn(kLocales)),
                         caseName);

}  // namespace
}  // namespace nimbaro::test
