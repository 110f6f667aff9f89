#pragma once

#include <QStringList>
#include <QtGlobal>

namespace twindle::test {

// The messages the program logs while one lives, for a test to read; the handler before it
// comes back after it. Qt's message handler is one function for the whole program, so the
// messages are kept in one list: one catcher at a time.
class LogCatcher {
public:
    LogCatcher() : m_before(qInstallMessageHandler(keep)) { lines().clear(); }
    ~LogCatcher() { qInstallMessageHandler(m_before); }
    LogCatcher(const LogCatcher&) = delete;
    LogCatcher& operator=(const LogCatcher&) = delete;

    static QStringList& lines()
    {
        static QStringList kept;
        return kept;
    }

private:
    static void keep(QtMsgType, const QMessageLogContext&, const QString& message) { lines() << message; }

    QtMessageHandler m_before;
};

} // namespace twindle::test
