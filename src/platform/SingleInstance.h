#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace tarvel {

// Keeps one running Tarvel per user. The first start listens on a local socket; a later start finds
// it there, asks it to come to the front (and to open the diary it was given) and ends. A lock file
// around the check-and-listen step keeps two starts at the same moment from both becoming the
// primary. The desktop's activation token travels with the request, so that a Wayland compositor
// lets the running window come to the front.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // The server name is a local socket name (Qt places a plain name in the temporary folder) or a
    // full socket path; the lock file guards the start-up step.
    explicit SingleInstance(QString serverName = DefaultServerName(), QString lockPath = DefaultLockPath(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // False when another instance answered and was asked to activate, and to open diaryPath (an
    // absolute path) when one is given: this process should end at once. True when this process is
    // the primary, and also when it could not start listening (it then runs without receiving
    // activations rather than not at all). activationToken is what the desktop gave this start
    // (XDG_ACTIVATION_TOKEN), passed on to the running instance.
    bool TryBecomePrimary(const QString& diaryPath = QString(), const QString& activationToken = QString());

    // Open requests wait, in the order they came, while ready() is false (the window's start-up is
    // not over, or a modal dialog is up) and are handed on once it is true. Without it they are
    // handed on at once.
    void HoldOpenRequestsUntil(std::function<bool()> ready);

    // "tarvel-<uid>" in the user's runtime folder when there is one, so other users cannot take
    // the name; otherwise the plain name. The lock file sits beside it.
    static QString DefaultServerName();
    static QString DefaultLockPath();

Q_SIGNALS:
    // A later start asked this primary to raise its window, with the desktop's activation token
    // ("" when it had none). Emitted at once, also while open requests wait.
    void ActivationRequested(const QString& activationToken);
    // A later start was given this diary to open; it follows ActivationRequested.
    void OpenRequested(const QString& diaryPath);

private:
    // Connects to a running instance and sends it the activation request; false when none answered.
    bool AskRunningInstance(const QString& diaryPath, const QString& activationToken) const;
    void AcceptConnections();
    void ReadRequest(QLocalSocket* socket);
    void DeliverOpenRequests();

    QString m_serverName;
    QString m_lockPath;
    QLocalServer* m_server = nullptr;
    std::function<bool()> m_ready;
    QStringList m_pendingOpens;
    // Tries the waiting requests again while they wait.
    QTimer m_retry;
    bool m_delivering = false;
};

} // namespace tarvel
