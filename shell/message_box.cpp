#include "message_box.h"

#include <QMessageBox>

namespace nimbaro {

void showMessage(QWidget* parent, const QString& prompt, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace nimbaro
