#pragma once
// Runs a program as built (orvant-cli, k2207-sim) with arguments and an environment of its
// own, and captures its exit status, standard output and standard error.

#include <QString>
#include <QStringList>

#include <map>

namespace orvant::test {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The child gets this process's environment without any ORVANT_COMn, plus `env`.
CliRun RunProgram(const QString& program, const QStringList& args,
                  const std::map<QString, QString>& env = {}, int timeoutMs = 30000);

} // namespace orvant::test
