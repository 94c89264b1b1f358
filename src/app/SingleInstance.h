#pragma once
// One copy of the program per settings folder, on any display. An exclusive
// lock on a file in the settings folder decides which copy runs, so two copies
// started at the same instant cannot both run; the one that runs writes its
// display into the lock file and listens on a socket in the user's private
// runtime folder. A later start on the same display asks it, through that
// socket, to come forward; one on another display is told where it runs. A lock
// or socket left by a crashed copy is taken over by the next start, and a lock
// file owned by another user is never honoured.
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

    enum class Start {
        Run,            // this copy holds the lock and listens for later starts
        Activated,      // the copy on this display was asked to come forward
        OtherDisplay,   // a copy runs on another display (RunningDisplay names it)
        Unanswered      // a copy holds the lock but never answered
    };
    Start ActivatePrevInstance();
    // The display of the copy that holds the lock, as it wrote it.
    const std::string& RunningDisplay() const { return runningDisplay_; }
    // No more requests: the program is ending.
    void StopListening();

    // This session's display: the Wayland socket, else DISPLAY without its screen.
    static std::string DisplayName();
signals:
    void activationRequested();

private:
    bool Knock() const;
    void ClaimLock();
    std::string ReadHolder() const;
    void Listen();
    void Accept();

    Names names_;
    std::string display_;
    std::string runningDisplay_;
    int lockFd_ = -1;
    int serverFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tandrel
