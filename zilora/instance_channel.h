#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One Zilora per installation and user: the running one listens on a local channel named after
// its folder; a second one finds it there and ends, and Kur asks it there to end.
namespace marunda::zilora {

// The channel's name for the installation in `folder` (the same folder however it is written).
QString channelName(const QString& folder);

// The running Zilora's end of the channel.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(const QString& folder, QObject* parent = nullptr);

    // Takes the channel; false when another Zilora of this folder holds it.
    bool claim();

signals:
    // Asked to end (by Kur, before it replaces or removes the files).
    void endRequested();

private:
    void answer();

    QString name_;
    QLocalServer* server_;
};

enum class Ending {
    noneRan,   // no Zilora of that folder answered
    ended,     // it closed the channel: it is ending, its process may not have gone yet
    stillRuns, // it did not close the channel in time
};

// Asks the Zilora running from `folder` to end and waits up to `waitMs` for it to close the
// channel.
Ending endRunningZilora(const QString& folder, int waitMs);

} // namespace marunda::zilora
