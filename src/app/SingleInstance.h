#pragma once
// One copy of the program per user: a second start brings the first copy's
// window forward and ends. A local socket carries the request; a socket left
// behind by a copy that crashed is taken over by the next start.
#include <QObject>
#include <QString>

class QLocalServer;

namespace tandrel {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // True when another copy is running and has been asked to come forward;
    // otherwise this copy starts listening for later starts and gives false.
    bool ActivatePrevInstance();

    static QString DefaultName();

signals:
    void activationRequested();

private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

} // namespace tandrel
