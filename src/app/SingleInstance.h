#pragma once
// One copy of the program per display and settings folder. An exclusive lock
// on a file in the settings folder decides which copy runs, so two copies
// started at the same instant cannot both run; the one that runs listens on a
// socket in the user's private runtime folder, and a later start asks it,
// through that socket, to come forward. A lock or socket left by a crashed copy
// is taken over by the next start.
#include <QObject>
#include <string>

class QSocketNotifier;

namespace tandrel {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    struct Names {
        std::string lockFile;
        std::string socketFile; // empty: no private folder for it, the lock alone decides
    };
    // For this session's display (or Wayland socket) and the settings folder:
    // the lock beside the settings, the socket in $XDG_RUNTIME_DIR, or in a
    // folder /tmp/tandrel-run-<uid> of our own (0700) when there is none.
    static Names For(const std::string& settingsFolder);

    explicit SingleInstance(Names names, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another copy is running and has been asked to come forward;
    // otherwise this copy holds the lock, listens for later starts and gives false.
    bool ActivatePrevInstance();
    // No more requests: the program is ending.
    void StopListening();

signals:
    void activationRequested();

private:
    bool Knock() const;
    void Listen();
    void Accept();

    Names names_;
    int lockFd_ = -1;
    int serverFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tandrel
