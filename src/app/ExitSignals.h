#pragma once
// A log-out, a shutdown or Ctrl+C in a terminal (SIGTERM, SIGHUP, SIGINT) ends
// the program through its exit sequence, like a close of the window: the
// handler only writes to a pipe, and the event loop hears of it.
#include <QObject>

class QSocketNotifier;

namespace tandrel {

// Installs the handlers; before the toolkit starts, so that a signal arriving
// during start-up is kept until the event loop runs. SIGXFSZ is ignored: a
// write past the file-size limit then fails like any other failed write
// instead of killing the program.
void InstallExitSignals();

class ExitSignals : public QObject {
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);

signals:
    void exitRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tandrel
