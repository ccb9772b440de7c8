// Saves a picture of the main menu's pages, of every window it opens (empty, after a sample
// computation, and again with the last option of its first group chosen) and of the About
// window, for looking at the layouts: nimbaro_gallery <folder>. With
// NIMBARO_GALLERY_PALETTE=dark the windows wear a dark Fusion theme; NIMBARO_GALLERY_POINT_SIZE=12
// draws them with a 12 pt desktop font instead of the platform's; QT_SCALE_FACTOR=2 draws them
// at twice the size, as on a high-density screen. The screen is 1280 by 1024 pixels: a window
// that does not fit it shows the part that does, with scroll bars.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>

#include "application_style.h"
#include "dark_palette.h"
#include "every_window.h"
#include "message_catcher.h"
#include "window_catalog.h"
#include "window_registry.h"

namespace {

void save(QWidget* window, const QDir& folder, const QString& name) {
    window->grab().save(folder.filePath(name + ".png"));
}

// The headless platform with one screen of that size, described in a file it reads.
void useHeadlessScreen(const QTemporaryDir& folder) {
    const QString description = folder.filePath("screen.json");
    QFile file(description);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(description));
    }
    file.write(R"({"screens": [{"name": "gallery", "x": 0, "y": 0, "width": 1280,
                   "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}],
                   "windowFrameMargins": true})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + description.toLocal8Bit());
}

}  // namespace

int main(int argc, char* argv[]) {
    const QTemporaryDir screenFolder;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        useHeadlessScreen(screenFolder);
    }
    QApplication application(argc, argv);
    nimbaro::applyApplicationStyle(application);
    if (qEnvironmentVariable("NIMBARO_GALLERY_PALETTE") == QLatin1String("dark")) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(nimbaro::test::darkPalette());
    }
    if (const qreal points = qEnvironmentVariable("NIMBARO_GALLERY_POINT_SIZE").toDouble();
        points > 0) {
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery"));
    folder.mkpath(".");

    nimbaro::WindowRegistry registry;
    nimbaro::registerWindows(registry);
    nimbaro::test::MessageCatcher messages;
    const std::vector<QWidget*> windows = nimbaro::test::openEveryWindow(registry);
    auto* tabs = windows.front()->findChild<QTabWidget*>("tabMain");
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        save(windows.front(), folder, QStringLiteral("frmHome-%1").arg(page + 1));
    }
    for (QWidget* window : windows) {
        if (window == windows.front() || window == windows.back()) {
            continue;
        }
        save(window, folder, window->objectName());
        nimbaro::test::computeSample(window);
        save(window, folder, window->objectName() + "-sample");
        nimbaro::test::chooseLastOption(window);
        nimbaro::test::computeSample(window);
        save(window, folder, window->objectName() + "-other");
    }
    save(windows.back(), folder, "frmAbout");
    for (const auto& message : messages.messages()) {
        qInfo("message: %s / %s", qPrintable(message.title), qPrintable(message.text));
    }
    return 0;
}
