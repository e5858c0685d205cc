#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace tarvel {

// Keeps one running Tarvel per user. The first start listens on a local socket; a later start finds
// it there, asks it to come to the front (and to open the diary it was given) and ends. A lock file around the check-and-listen step
// keeps two starts at the same moment from both becoming the primary.
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
    // activations rather than not at all).
    bool TryBecomePrimary(const QString& diaryPath = QString());

    // "tarvel-<uid>" in the user's runtime folder when there is one, so other users cannot take
    // the name; otherwise the plain name. The lock file sits beside it.
    static QString DefaultServerName();
    static QString DefaultLockPath();

Q_SIGNALS:
    // A later start asked this primary to raise its window.
    void ActivationRequested();
    // A later start was given this diary to open; it follows ActivationRequested.
    void OpenRequested(const QString& diaryPath);

private:
    // Connects to a running instance and sends it the activation request; false when none answered.
    bool AskRunningInstance(const QString& diaryPath) const;
    void AcceptConnections();
    void ReadRequest(QLocalSocket* socket);

    QString m_serverName;
    QString m_lockPath;
    QLocalServer* m_server = nullptr;
};

} // namespace tarvel
