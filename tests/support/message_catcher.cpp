#include "message_catcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace nimbaro::test {

MessageCatcher::MessageCatcher() {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] { dismissOpenMessage(); });
    timer_.start();
}

std::vector<QString> MessageCatcher::summaries() const {
    std::vector<QString> result;
    for (const ShownMessage& message : messages_) {
        result.push_back(message.title + ": " + message.text);
    }
    return result;
}

void MessageCatcher::dismissOpenMessage() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    messages_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
    box->button(QMessageBox::Ok)->click();
}

}  // namespace nimbaro::test
