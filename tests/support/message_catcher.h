#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <vector>

namespace nimbaro::test {

struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Records every message box that opens while it lives and presses its OK button.
class MessageCatcher {
  public:
    MessageCatcher();

    const std::vector<ShownMessage>& messages() const { return messages_; }
    // "title: text" of each message, for compact expectations.
    std::vector<QString> summaries() const;

  private:
    void dismissOpenMessage();

    QTimer timer_;
    std::vector<ShownMessage> messages_;
};

}  // namespace nimbaro::test
