#include "window_fixture.h"

#include <QApplication>
#include <QCoreApplication>

#include "window_catalog.h"

namespace nimbaro::test {

WindowFixture::WindowFixture() : registry_(std::make_unique<WindowRegistry>()) {
    registerWindows(*registry_);
}

WindowFixture::~WindowFixture() {
    registry_.reset();
    settle();
}

QWidget* WindowFixture::launch(const char* launchButton, const char* windowName) {
    QWidget* home = open("frmHome");
    auto* button = find<QPushButton>(home, launchButton);
    if (button == nullptr) {
        return nullptr;
    }
    button->click();
    QWidget* window = registry_->find(windowName);
    EXPECT_NE(window, nullptr) << windowName;
    if (window != nullptr) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << windowName;
    }
    return window;
}

QWidget* WindowFixture::open(const char* windowName) {
    QWidget* window = registry_->open(windowName);
    EXPECT_NE(window, nullptr) << windowName;
    if (window != nullptr) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << windowName;
    }
    return window;
}

void WindowFixture::type(QWidget* window, const char* box, const QString& text) {
    auto* edit = find<QLineEdit>(window, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    // keyClicks leaves out characters that have no key; set what the user meant to type.
    if (edit->text() != text) {
        edit->setText(text);
    }
}

void WindowFixture::click(QWidget* window, const char* button) {
    QTest::mouseClick(find<QAbstractButton>(window, button), Qt::LeftButton);
}

QString WindowFixture::text(QWidget* window, const char* label) {
    return find<QLabel>(window, label)->text();
}

std::vector<QString> WindowFixture::texts(QWidget* window, const std::vector<const char*>& labels) {
    std::vector<QString> result;
    for (const char* label : labels) {
        result.push_back(text(window, label));
    }
    return result;
}

std::vector<const char*> WindowFixture::focusChain(QWidget* window,
                                                   const std::vector<const char*>& names) {
    std::vector<const char*> chain;
    QWidget* start = window->findChild<QWidget*>(names.front());
    if (start == nullptr) {
        return chain;
    }
    QWidget* widget = start;
    do {
        for (const char* name : names) {
            if (widget->objectName() == QLatin1String(name)) {
                chain.push_back(name);
            }
        }
        widget = widget->nextInFocusChain();
    } while (widget != start);
    return chain;
}

std::vector<QString> WindowFixture::crowdedControls(QWidget* window) {
    std::vector<QString> crowded;
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!control->parentWidget()->rect().contains(control->geometry())) {
            crowded.push_back(control->objectName());
        }
        for (QWidget* other : controls) {
            if (control < other && other->parentWidget() == control->parentWidget() &&
                control->geometry().intersects(other->geometry())) {
                crowded.push_back(control->objectName() + " / " + other->objectName());
            }
        }
    }
    return crowded;
}

void WindowFixture::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace nimbaro::test
