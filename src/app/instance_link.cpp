#include "app/instance_link.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStringList>
#include <QTimer>

#include <unistd.h>

namespace app {

namespace {

// How long a start waits for the running program; a program that does not answer in time is
// hung or busy in a long run, and this start goes on as a program of its own.
constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 3000;
constexpr int kLockMs = 10000;
const QByteArray kTaken = "taken";

// The request as the socket carries it: the kind of window, then the sheets.
QByteArray encode(const StartRequest& request)
{
    QStringList sheets;
    for (const std::string& s : request.sheets)
        sheets << QString::fromStdString(s);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << request.textCalculator << sheets;
    return bytes;
}

} // namespace

QString instanceFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
}

InstanceLink::InstanceLink(const QString& folder, const std::filesystem::path& settingsFile)
{
    std::error_code ignored;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(settingsFile, ignored);
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(canonical.string()),
                                                     QCryptographicHash::Sha1).toHex().left(16);
    m_path = QDir(folder).filePath(QString("zoltcalc-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash)));
}

InstanceLink::~InstanceLink() = default;

bool InstanceLink::handOverOrListen(const StartRequest& request)
{
    // Two starts at once must not both find nobody and both listen: the lock orders them.
    QLockFile lock(m_path + ".lock");
    if (!lock.tryLock(kLockMs))
        return false;
    if (handOver(request))
        return true;
    // Nobody answered: a socket file left is a dead program's.
    QLocalServer::removeServer(m_path);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_path)) {
        m_server.reset();
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &InstanceLink::accept);
    return false;
}

bool InstanceLink::handOver(const StartRequest& request)
{
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    const QByteArray bytes = encode(request);
    QDataStream out(&socket);
    out << bytes;
    if (!socket.waitForBytesWritten(kAnswerMs))
        return false;
    while (socket.bytesAvailable() < kTaken.size())
        if (!socket.waitForReadyRead(kAnswerMs))
            return false;
    return socket.read(kTaken.size()) == kTaken;
}

// Each connection brings one request; it is answered as soon as it is whole, and carried out
// from the event loop.
void InstanceLink::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QByteArray bytes;
            in >> bytes;
            if (!in.commitTransaction())
                return; // not all there yet
            QDataStream request(bytes);
            StartRequest r;
            QStringList sheets;
            request >> r.textCalculator >> sheets;
            if (request.status() != QDataStream::Ok) {
                socket->disconnectFromServer();
                return;
            }
            for (const QString& s : sheets)
                r.sheets.push_back(s.toStdString());
            socket->write(kTaken);
            socket->flush();
            m_pending.push_back(std::move(r));
            QTimer::singleShot(0, this, &InstanceLink::deliver);
        });
    }
}

void InstanceLink::setHandler(std::function<void(const StartRequest&)> handler)
{
    m_handler = std::move(handler);
    deliver();
}

void InstanceLink::deliver()
{
    while (m_handler && !m_pending.empty()) {
        const StartRequest r = std::move(m_pending.front());
        m_pending.pop_front();
        m_handler(r);
    }
}

} // namespace app
