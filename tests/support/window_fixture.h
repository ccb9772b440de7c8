#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

#include "qt_printers.h"
#include "window_registry.h"

namespace nimbaro::test {

// A registry holding every window of the program, as the entry point makes it, with helpers
// that find controls by their object names and drive them like a user.
class WindowFixture : public testing::Test {
  protected:
    WindowFixture();
    ~WindowFixture() override;

    // Opens the main menu, then the window through its launch button.
    QWidget* launch(const char* launchButton, const char* windowName);
    QWidget* open(const char* windowName);

    template <typename Control>
    Control* find(QWidget* window, const char* name) {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    void type(QWidget* window, const char* box, const QString& text);
    void click(QWidget* window, const char* button);
    QString text(QWidget* window, const char* label);
    std::vector<QString> texts(QWidget* window, const std::vector<const char*>& labels);
    // The named controls in the order the focus chain visits them, from the first name on.
    static std::vector<const char*> focusChain(QWidget* window,
                                               const std::vector<const char*>& names);
    // "name" of each control that reaches past its parent and "name / name" of each pair of
    // overlapping siblings: a caption that grew to fit the font must not crowd the layout.
    static std::vector<QString> crowdedControls(QWidget* window);
    // Lets deferred deletions and other posted events run.
    static void settle();

    std::unique_ptr<WindowRegistry> registry_;
};

}  // namespace nimbaro::test
