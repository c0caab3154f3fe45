#pragma once
// Another program run by a test and driven a line at a time: a command written to its standard
// input, its one-line answer read from its standard output. Killed when the test leaves it.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace sw::testing {

class LineProgram {
public:
    LineProgram(const QString& program, const QStringList& arguments) { m_process.start(program, arguments); }
    ~LineProgram() { killHard(); }
    LineProgram(const LineProgram&) = delete;
    LineProgram& operator=(const LineProgram&) = delete;

    // The next line it says; "no answer" when it says none within 10 s.
    QString answer()
    {
        while (!m_process.canReadLine())
            if (!m_process.waitForReadyRead(10000))
                return QStringLiteral("no answer");
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    QString ask(const QString& command)
    {
        m_process.write((command + QLatin1Char('\n')).toUtf8());
        return answer();
    }
    // SIGKILL: nothing of the program runs any more, not even its exit handlers.
    bool killHard()
    {
        m_process.kill();
        return m_process.waitForFinished(5000);
    }
    // Ended by itself with status 0, its input closed first.
    bool endNormally()
    {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(5000) && m_process.exitStatus() == QProcess::NormalExit &&
               m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
};

}  // namespace sw::testing
