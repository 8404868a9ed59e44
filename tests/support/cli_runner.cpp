#include "support/cli_runner.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace orvant::test {

CliRun RunProgram(const QString& program, const QStringList& args,
                  const std::map<QString, QString>& env, int timeoutMs) {
    QProcess process;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (int n = 1; n <= 6; ++n)
        e.remove(QString("ORVANT_COM%1").arg(n));
    for (const auto& [name, value] : env)
        e.insert(name, value);
    process.setProcessEnvironment(e);
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs)) {
        ADD_FAILURE() << program.toStdString() << " did not finish";
        process.kill();
        process.waitForFinished();
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace orvant::test
