#include "platform/SingleInstance.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tarvel {

namespace {

// A running instance answers at once; the time only matters for one that hangs.
constexpr int kConnectTimeoutMs = 500;
// The guarded step takes milliseconds. A lock older than this is left from a start that hangs (a
// dead owner's lock is taken over at once by QLockFile).
constexpr int kStaleLockMs = 2000;
constexpr int kLockWaitMs = 3000;

// A later start asks with "activate", or with "open " and the diary it was given, each followed by a
// blank and the activation token when it has one; one line, every field percent-encoded.
constexpr char kActivateRequest[] = "activate";
constexpr char kOpenRequest[] = "open";
// How often waiting open requests are tried again.
constexpr int kRetryMs = 200;
// A percent-encoded path of the longest a file system allows, and the word in front.
constexpr qint64 kMaxRequestBytes = 16 * 1024;

QString UserId()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// The per-user runtime folder (mode 0700), or "" when the session has none.
QString RuntimeFolder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

} // namespace

SingleInstance::SingleInstance(QString serverName, QString lockPath, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)), m_lockPath(std::move(lockPath))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &SingleInstance::DeliverOpenRequests);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultServerName()
{
    const QString name = QStringLiteral("tarvel-") + UserId();
    const QString folder = RuntimeFolder();
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

QString SingleInstance::DefaultLockPath()
{
    QString folder = RuntimeFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return folder + QStringLiteral("/tarvel-") + UserId() + QStringLiteral(".lock");
}

bool SingleInstance::TryBecomePrimary(const QString& diaryPath, const QString& activationToken)
{
    if (m_server)
        return true;
    if (AskRunningInstance(diaryPath, activationToken))
        return false;

    // Without the lock (folder not writable, or a start that hangs holding it) the steps below still
    // run: starting without the guard is better than not starting at all.
    QLockFile lock(m_lockPath);
    lock.setStaleLockTime(kStaleLockMs);
    lock.tryLock(kLockWaitMs);

    // Another start may have become the primary while this one waited.
    if (AskRunningInstance(diaryPath, activationToken))
        return false;

    // Nothing answers on the name, so whatever is left there is from a run that crashed. With an
    // access option Qt binds beside the name and renames onto it, replacing any file there: the lock
    // and the check above are what keep a live instance's name safe.
    QLocalServer::removeServer(m_serverName);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_serverName)) {
        delete server;
        return true;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::AcceptConnections);
    return true;
}

void SingleInstance::HoldOpenRequestsUntil(std::function<bool()> ready)
{
    m_ready = std::move(ready);
}

bool SingleInstance::AskRunningInstance(const QString& diaryPath, const QString& activationToken) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    QByteArray request = diaryPath.isEmpty() ? QByteArray(kActivateRequest)
                                             : kOpenRequest + (' ' + diaryPath.toUtf8().toPercentEncoding());
    if (!activationToken.isEmpty())
        request += ' ' + activationToken.toUtf8().toPercentEncoding();
    socket.write(request + '\n');
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectTimeoutMs);
    return true;
}

void SingleInstance::AcceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
        ReadRequest(socket);
    }
}

void SingleInstance::ReadRequest(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        // Anything this long is no request of ours.
        if (socket->bytesAvailable() > kMaxRequestBytes)
            socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(kMaxRequestBytes + 1);
    socket->disconnectFromServer();
    if (!line.endsWith('\n'))
        return;
    QStringList fields;
    for (const QByteArray& field : line.chopped(1).split(' '))
        fields << QString::fromUtf8(QByteArray::fromPercentEncoding(field));
    const bool open = fields.size() >= 2 && fields[0] == QLatin1String(kOpenRequest) && !fields[1].isEmpty();
    const qsizetype tokenField = open ? 2 : 1;
    if ((!open && fields[0] != QLatin1String(kActivateRequest)) || fields.size() > tokenField + 1)
        return;
    Q_EMIT ActivationRequested(fields.value(tokenField));
    if (open) {
        m_pendingOpens << fields[1];
        DeliverOpenRequests();
    }
}

void SingleInstance::DeliverOpenRequests()
{
    // A request handed on runs its own questions, inside which later requests arrive; they follow
    // once it is done, from the loop below.
    if (m_delivering)
        return;
    m_delivering = true;
    while (!m_pendingOpens.isEmpty() && (!m_ready || m_ready()))
        Q_EMIT OpenRequested(m_pendingOpens.takeFirst());
    m_delivering = false;
    if (!m_pendingOpens.isEmpty())
        m_retry.start();
}

} // namespace tarvel
