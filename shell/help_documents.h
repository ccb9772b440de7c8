#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace nimbaro {

inline constexpr const char* kHowToDocument = "How To.txt";

// Starts a program on its own, without a shell and without waiting for it; false when it
// could not be started.
using ProcessStarter = std::function<bool(const QString& program, const QStringList& arguments)>;

// Shows the document at a path by other means; false when it could not.
using DocumentShower = std::function<bool(const QString& path)>;

enum class DocumentViewer { Notepad, DesktopDefault };

struct LaunchCommand {
    QString program;
    QStringList arguments;

    bool operator==(const LaunchCommand&) const = default;
};

// The command that shows `document` of `folder` in `viewer`. The path is a single argument,
// so blanks in the folder or in the name do no harm.
LaunchCommand viewerCommand(DocumentViewer viewer, const QString& folder, const QString& document);

// The help documents that lie beside the program file, shown in the system's text viewer.
class HelpDocuments {
  public:
    // The folder of this program's own file (symbolic links resolved); the system's viewer
    // (xdg-open, Notepad on Windows) started on its own, and the program's own viewer where
    // that one is not installed, cannot start or reports that it failed.
    HelpDocuments();
    // Without `fallback`, a viewer that cannot start is reported by a message.
    HelpDocuments(QString folder, ProcessStarter start, DocumentShower fallback = {});

    // Starts a viewer on the document and does not wait for it. When the document is missing
    // or cannot be shown, a message names it and the program goes on.
    void open(QWidget* parent, const QString& document) const;

  private:
    QString folder_;
    ProcessStarter start_;
    DocumentShower fallback_;
};

}  // namespace nimbaro
