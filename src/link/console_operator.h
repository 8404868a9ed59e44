#pragma once
// An Operator for command-line tools: every box is printed as one line (its "\r" line
// breaks written as " / "), sounds are silent, and every question, file or dialog is
// answered with Cancel.

#include "link/operator.h"

#include <cstdio>

namespace orvant {

class ConsoleOperator : public Operator {
public:
    explicit ConsoleOperator(std::FILE* out = stdout) : out_(out) {}

    // The one-line form of a box text.
    static QString OneLine(const QString& text);

    void showBox(BoxKind kind, const QString& text) override;
    Answer confirm(const QString& text) override;
    void playSound(Sound sound) override;
    FileChoice chooseFile(const FileRequest& request) override;
    bool runDialog(QDialog& dialog) override;
    bool chooseFont(QFont& font, int helpContext) override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    std::FILE* out_;
};

} // namespace orvant
