#include "console_operator.h"

namespace orvant {

QString ConsoleOperator::OneLine(const QString& text) {
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    line.replace(QLatin1Char('\r'), QStringLiteral(" / "));
    line.replace(QLatin1Char('\n'), QStringLiteral(" / "));
    return line;
}

void ConsoleOperator::showBox(BoxKind, const QString& text) {
    std::fprintf(out_, "%s\n", OneLine(text).toLocal8Bit().constData());
    std::fflush(out_);
}

Answer ConsoleOperator::confirm(const QString& text) {
    showBox(BoxKind::Plain, text);
    return Answer::Cancel;
}

void ConsoleOperator::playSound(Sound) {}

FileChoice ConsoleOperator::chooseFile(const FileRequest&) {
    return {};
}

bool ConsoleOperator::runDialog(QDialog&) {
    return false;
}

bool ConsoleOperator::chooseFont(QFont&, int) {
    return false;
}

bool ConsoleOperator::setUpPrinter(QPrinter&) {
    return false;
}

} // namespace orvant
