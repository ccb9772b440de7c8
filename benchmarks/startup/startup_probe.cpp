// A Qt plugin that the start-up benchmark loads into a program
// (QT_QPA_GENERIC_PLUGINS=nimbarostartupprobe). Once the program's first window is on screen
// and its event loop has gone idle, it prints when the loop went idle (CLOCK_MONOTONIC), the
// resident memory then and the top-level widgets that exist, and ends the program. The
// program itself needs no option or hook for it.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// The loop counts as idle when it waited this long without an event after it last went to
// sleep; the moment reported is that last going to sleep.
constexpr int kQuietMilliseconds = 100;
constexpr int kGiveUpMilliseconds = 20000;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

QByteArray residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return "?";
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front();
        }
    }
    return "?";
}

// The object names of the top-level widgets in name order, "(hidden)" after those not shown.
QByteArray topLevelWidgets() {
    QList<QByteArray> names;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        QByteArray name = widget->objectName().isEmpty()
                              ? QByteArray(widget->metaObject()->className())
                              : widget->objectName().toUtf8();
        names.append(widget->isVisible() ? name : name + "(hidden)");
    }
    std::sort(names.begin(), names.end());
    return names.join(',');
}

class IdleWatch : public QObject {
  public:
    IdleWatch() {
        quiet_.setSingleShot(true);
        quiet_.setTimerType(Qt::PreciseTimer);
        quiet_.setInterval(kQuietMilliseconds);
        connect(&quiet_, &QTimer::timeout, this, &IdleWatch::report);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                &IdleWatch::goingToSleep);
        qApp->installEventFilter(this);
        QTimer::singleShot(kGiveUpMilliseconds, this, [] {
            std::printf("startup-probe no window shown\n");
            std::fflush(stdout);
            std::_Exit(1);
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            exposed_ = true;
        }
        return false;
    }

  private:
    void goingToSleep() {
        if (!exposed_) {
            return;
        }
        idleSince_ = monotonicNanoseconds();
        quiet_.start();
    }

    void report() {
        std::printf("startup-probe idle_ns=%lld rss_kb=%s widgets=%lld windows=%s\n", idleSince_,
                    residentKilobytes().constData(),
                    static_cast<long long>(QApplication::allWidgets().size()),
                    topLevelWidgets().constData());
        std::fflush(stdout);
        std::_Exit(0);
    }

    QTimer quiet_;
    bool exposed_ = false;
    long long idleSince_ = 0;
};

class StartupProbe : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startup_probe.json")

  public:
    // Qt makes the plugin while the application object is being built, before the program
    // makes any window.
    QObject* create(const QString&, const QString&) override { return new IdleWatch; }
};

}  // namespace

#include "startup_probe.moc"
