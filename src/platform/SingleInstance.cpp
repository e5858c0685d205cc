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

// A later start asks with "activate", or with "open " and the percent-encoded path of the diary it
// was given, each on one line.
constexpr char kActivateRequest[] = "activate\n";
constexpr char kOpenRequest[] = "open ";
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

bool SingleInstance::TryBecomePrimary(const QString& diaryPath)
{
    if (m_server)
        return true;
    if (AskRunningInstance(diaryPath))
        return false;

    // Without the lock (folder not writable, or a start that hangs holding it) the steps below still
    // run: starting without the guard is better than not starting at all.
    QLockFile lock(m_lockPath);
    lock.setStaleLockTime(kStaleLockMs);
    lock.tryLock(kLockWaitMs);

    // Another start may have become the primary while this one waited.
    if (AskRunningInstance(diaryPath))
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

bool SingleInstance::AskRunningInstance(const QString& diaryPath) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    const QByteArray request = diaryPath.isEmpty()
                                   ? QByteArray(kActivateRequest)
                                   : kOpenRequest + diaryPath.toUtf8().toPercentEncoding() + '\n';
    socket.write(request);
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
    const QByteArray request = socket->readLine(kMaxRequestBytes + 1);
    socket->disconnectFromServer();
    if (request == kActivateRequest) {
        Q_EMIT ActivationRequested();
    } else if (request.startsWith(kOpenRequest) && request.endsWith('\n')) {
        const QString path = QString::fromUtf8(
            QByteArray::fromPercentEncoding(request.sliced(sizeof kOpenRequest - 1).chopped(1)));
        Q_EMIT ActivationRequested();
        if (!path.isEmpty())
            Q_EMIT OpenRequested(path);
    }
}

} // namespace tarvel
