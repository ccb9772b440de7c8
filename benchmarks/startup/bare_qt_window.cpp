// The floor of the start-up benchmark: what any Qt Widgets program pays to show one empty
// window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
