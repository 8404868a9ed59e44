#include "workspace/file_io.h"

#include <QFile>
#include <QSaveFile>

namespace orvant {

FileReadResult ReadWholeFile(const QString& path, std::uint64_t maxBytes) {
    return ReadRegularFile(QFile::encodeName(path).toStdString(), maxBytes);
}

QString ReadProblemText(const FileReadResult& result, std::uint64_t maxBytes) {
    return QString::fromLocal8Bit(FileReadProblem(result, maxBytes));
}

QString WriteWholeFile(const QString& path, const std::string& bytes) {
    const std::string problem = WriteTargetProblem(QFile::encodeName(path).toStdString());
    if (!problem.empty())
        return QString::fromLocal8Bit(problem);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
            static_cast<qint64>(bytes.size()) &&
        file.commit())
        return {};
    return file.errorString();
}

} // namespace orvant
