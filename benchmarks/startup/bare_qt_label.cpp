// A second reference for the start-up benchmark: one window that shows one line of text, so
// that it pays for the font configuration and text drawing that the empty window never needs.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Nimbaro"));
    window.show();
    return QApplication::exec();
}
