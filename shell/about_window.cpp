#include "about_window.h"

#include <QLabel>
#include <QPushButton>
#include <array>

#include "fit_to_contents.h"
#include "program_icon.h"
#include "twip_geometry.h"
#include "window_registry.h"

namespace nimbaro {
namespace {

constexpr TwipSize kClientSize{6600, 3570};
constexpr TwipRect kIcon{120, 120, 480, 480};
constexpr TwipRect kTitle{1080, 120, 5175, 615};

struct Line {
    const char* name;
    const char* text;
    TwipRect rect;  // zero width or height: as much as the text needs
};

// The runs of blanks line the values up in one column.
constexpr std::array kLines = {
    Line{"Label5", "Version:           " NIMBARO_VERSION "        (May 2007)", {240, 1200, 0, 0}},
    Line{"Label6", "Released:        May 2007", {240, 1560, 0, 0}},
    Line{"Label2", "Author:            Nimbaro team", {240, 1920, 0, 0}},
    Line{"Label3", "Email:               Via Website", {240, 2280, 0, 0}},
    Line{"Label4", "Host Website:  https://nimbaro.example.org", {240, 2640, 6255, 0}},
};

// `pointSize` at the layout's own font size; a larger desktop font enlarges it in step.
QFont boldFont(const QString& family, qreal pointSize, QFont::StyleHint fallback) {
    QFont font(family);
    font.setStyleHint(fallback);
    font.setPointSizeF(pointSize * layoutScale());
    font.setBold(true);
    return font;
}

QLabel* addLabel(QWidget* window, const char* name, const QString& text, const QFont& font,
                 TwipRect rect) {
    auto* label = new QLabel(text, window);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    placeGrownToFit(label, rect);
    return label;
}

QPushButton* addButton(QWidget* window, const char* name, const QString& caption, TwipRect rect) {
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    placeGrownToFit(button, rect);
    return button;
}

}  // namespace

AboutWindow::AboutWindow(WindowRegistry& registry) : registry_(registry) {
    setObjectName(kWindowName);
    setWindowTitle(QStringLiteral("About Nimbaro"));
    setFixedSize(toPixels(kClientSize));

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setGeometry(toPixels(kIcon));
    image->setPixmap(programIcon().pixmap(image->size()));

    addLabel(this, "Label1", QStringLiteral("NIMBARO"),
             boldFont(QStringLiteral("Comic Sans MS"), 20.25, QFont::SansSerif), kTitle);
    const QFont lineFont = boldFont(QStringLiteral("Times New Roman"), 11.25, QFont::Serif);
    for (const Line& line : kLines) {
        addLabel(this, line.name, QString::fromUtf8(line.text), lineFont, line.rect);
    }

    connect(addButton(this, "cmdBack", QStringLiteral("&Back"), {2520, 3120, 1455, 375}),
            &QPushButton::clicked, this, &AboutWindow::onBackClicked);
    connect(addButton(this, "cmdExit", QStringLiteral("E&xit"), {4320, 3120, 1455, 375}),
            &QPushButton::clicked, this, &AboutWindow::onExitClicked);

    growToFitChildren(this);
}

void AboutWindow::onBackClicked() {
    registry_.back(this);
}

void AboutWindow::onExitClicked() {
    WindowRegistry::exitProgram();
}

}  // namespace nimbaro
