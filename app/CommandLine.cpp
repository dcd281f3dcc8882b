// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "generated/ProgramInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace tessaro {
namespace {

// The context of the command line's texts in the translation.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// An option as the user typed it: QCommandLineParser knows it without its dashes.
QString withDashes(const QString& name) { return QString(name.size() == 1 ? 1 : 2, u'-') + name; }

int refuse(const QString& problem) {
    QTextStream(stderr) << "tessaro: " << problem << '\n'
                        << CommandLine::tr("Mehr dazu unter „tessaro --help“.") << '\n';
    return 1;
}

}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return refuse(parser.errorText());
        return refuse(CommandLine::tr("unbekannte Option „%1“").arg(withDashes(unknown.first())));
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(CommandLine::tr("unerwartetes Argument „%1“").arg(parser.positionalArguments().first()));
    if (parser.isSet(help)) {
        QTextStream(stdout) << CommandLine::tr(
            "Aufruf: tessaro [OPTION]\n"
            "Rechentrainer für komplexe Zahlen: öffnet das Hauptmenü.\n"
            "\n"
            "  -h, --help     zeigt diese Hilfe und endet\n"
            "  -v, --version  zeigt die Version und endet\n"
            "\n"
            "Dazu versteht Tessaro die Optionen jedes Qt-Programms, etwa\n"
            "-platform NAME oder -reverse.\n");
        return 0;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "tessaro " << kVersion << '\n';
        return 0;
    }
    return std::nullopt;
}

}  // namespace tessaro
