#pragma once
// One running program per settings file: a start while one runs hands its request (sheets to
// open, or just "come forward") to the running program through a local socket and ends.
//
// A local socket rather than D-Bus: it works the same with and without a session bus (ssh,
// CI, minimal sessions, a portable copy in a folder of its own), needs no service file
// installed, and its name follows the settings file, which is what two programs must not share.
#include "app/command_line.h"

#include <QObject>
#include <QString>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace app {

class InstanceLink : public QObject {
    Q_OBJECT
public:
    // `folder` holds the socket and its lock (the user's runtime folder); the name follows the
    // settings file.
    InstanceLink(const QString& folder, const std::filesystem::path& settingsFile);
    ~InstanceLink() override;

    // Either hands `request` to a running program (true: this start ends here) or becomes the
    // program others hand theirs to (false: start as usual; also when no link can be made).
    bool handOverOrListen(const StartRequest& request);

    // Requests that came in are given to `handler` from the event loop, those that came before
    // it was set once it is.
    void setHandler(std::function<void(const StartRequest&)> handler);

    QString socketPath() const { return m_path; }

private:
    bool handOver(const StartRequest& request);
    void accept();
    void deliver();

    QString m_path;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void(const StartRequest&)> m_handler;
    std::deque<StartRequest> m_pending;
};

// The folder of the socket: the user's runtime folder, else the temporary one.
QString instanceFolder();

} // namespace app
