#pragma once

// SIGTERM, SIGINT and SIGHUP delivered as a Qt signal on the user-interface thread, so that a
// session ending or a kill runs the program's own shutdown instead of dropping its data.

#include <QObject>

class QSocketNotifier;

namespace lexarion {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void Received(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace lexarion
