// ssh starts this through SSH_ASKPASS with its question as the only argument; the answer goes to
// stdout, and a cancelled question ends with status 1.
#include "gui/askpass/askpasswindow.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString prompt = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    pagoranto::AskpassWindow window(prompt, qEnvironmentVariable("SSH_ASKPASS_PROMPT"));
    window.show();
    window.raise();
    window.activateWindow();
    if (window.exec() != QDialog::Accepted || !window.answer())
        return 1;
    QByteArray answer = window.answer()->toLocal8Bit();
    answer.append('\n');
    const bool written = std::fwrite(answer.constData(), 1, static_cast<std::size_t>(answer.size()),
                                     stdout) == static_cast<std::size_t>(answer.size()) &&
                         std::fflush(stdout) == 0;
    answer.fill('\0');
    return written ? 0 : 1;
}
