// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "dialogkit/Language.h"
#include "generated/ProgramInfo.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QTextStream>

#include <vector>

namespace tessaro {
namespace {

// The context of the command line's texts in the translation.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The options that Qt's application objects and its X11 platform take from the command line, with one or two dashes;
// those with a value take the next argument, and a few also "=value".
enum class Value { None, Next, NextOrJoined };
struct QtOption {
    QByteArrayView name;
    Value value;
};
constexpr QtOption kQtOptions[] = {
    {"platform", Value::Next},
    {"platformpluginpath", Value::Next},
    {"platformtheme", Value::Next},
    {"plugin", Value::Next},
    {"qwindowgeometry", Value::Next},
    {"qwindowtitle", Value::Next},
    {"qwindowicon", Value::Next},
    {"session", Value::Next},
    {"style", Value::NextOrJoined},
    {"stylesheet", Value::NextOrJoined},
    {"qmljsdebugger", Value::NextOrJoined},
    {"geometry", Value::Next},
    {"title", Value::Next},
    {"icon", Value::Next},
    {"display", Value::Next},
    {"name", Value::Next},
    {"visual", Value::Next},
    {"reverse", Value::None},
    {"testability", Value::None},
    {"widgetcount", Value::None},
    {"nograb", Value::None},
    {"dograb", Value::None},
    {"qdevel", Value::None},
    {"qdebug", Value::None},
};

// How many arguments from `argument` on are one of Qt's options with its value; 0 for anything else.
int qtOptionLength(QByteArrayView argument, bool valueFollows) {
    if (!argument.startsWith('-'))
        return 0;
    const QByteArrayView name = argument.sliced(argument.startsWith("--") ? 2 : 1);
    for (const QtOption& option : kQtOptions) {
        if (name == option.name)
            return option.value == Value::None || !valueFollows ? 1 : 2;
        if (option.value == Value::NextOrJoined && name.startsWith(option.name) &&
            name.sliced(option.name.size()).startsWith('='))
            return 1;
    }
    return 0;
}

enum class Request { Open, Help, Version, Refuse };
enum class Problem { UnknownOption, ValueGiven, UnexpectedArgument };

struct Answer {
    Request request = Request::Open;
    Problem problem = Problem::UnknownOption;
    QByteArray argument;  // what was wrong, as typed
};

// What the program's own arguments ask, Qt's options left aside. A wrong option counts before an unexpected
// argument, and both before --help, which counts before --version.
Answer decide(int argc, char** argv) {
    bool help = false, version = false, optionsEnded = false;
    std::optional<Answer> wrongOption, unexpected;
    const auto refuse = [](std::optional<Answer>& first, Problem problem, QByteArrayView argument) {
        if (!first)
            first = Answer{Request::Refuse, problem, argument.toByteArray()};
    };
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (const int length = qtOptionLength(argument, i + 1 < argc)) {
            i += length - 1;
        } else if (optionsEnded || !argument.startsWith('-') || argument == "-") {
            refuse(unexpected, Problem::UnexpectedArgument, argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument.startsWith("--")) {
            const qsizetype equals = argument.indexOf('=');
            const QByteArrayView name = equals < 0 ? argument : argument.first(equals);
            const bool known = name == "--help" || name == "--version";
            if (known && equals < 0)
                (name == "--help" ? help : version) = true;
            else
                refuse(wrongOption, known ? Problem::ValueGiven : Problem::UnknownOption, known ? name : argument);
        } else {
            for (const uint letter : QString::fromLocal8Bit(argument.sliced(1)).toUcs4()) {  // -hv is -h -v
                if (letter == 'h' || letter == 'v')
                    (letter == 'h' ? help : version) = true;
                else
                    refuse(wrongOption, Problem::UnknownOption,
                           (QLatin1Char('-') + QString::fromUcs4(reinterpret_cast<const char32_t*>(&letter), 1))
                               .toLocal8Bit());
            }
        }
    }
    if (wrongOption)
        return *wrongOption;
    if (unexpected)
        return *unexpected;
    return {help ? Request::Help : version ? Request::Version : Request::Open, Problem::UnknownOption, {}};
}

// An argument as it may be shown on a terminal: its first characters only, control characters (an escape sequence,
// a line break, a change of writing direction) written out as \xHH or \uHHHH, bytes that are no text as "�".
QString shown(const QByteArray& argument) {
    constexpr qsizetype kShownCharacters = 40;
    const QList<uint> characters = QString::fromLocal8Bit(argument).toUcs4();
    QString text;
    for (qsizetype i = 0; i < characters.size() && i < kShownCharacters; ++i) {
        const char32_t character = characters[i];
        switch (QChar::category(character)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            text += (character < 0x100 ? QStringLiteral("\\x") : QStringLiteral("\\u")) +
                    QString::number(uint(character), 16).toUpper().rightJustified(character < 0x100 ? 2 : 4, u'0');
            break;
        default:
            text += QString::fromUcs4(&character, 1);
        }
    }
    return characters.size() > kShownCharacters ? text + QChar(0x2026) : text;
}

int refuse(const Answer& answer) {
    const QString argument = shown(answer.argument);
    QString problem;
    switch (answer.problem) {
    case Problem::UnknownOption:
        problem = CommandLine::tr("unbekannte Option „%1“").arg(argument);
        break;
    case Problem::ValueGiven:
        problem = CommandLine::tr("die Option „%1“ erlaubt keinen Wert").arg(argument);
        break;
    case Problem::UnexpectedArgument:
        problem = CommandLine::tr("unerwartetes Argument „%1“").arg(argument);
        break;
    }
    QTextStream(stderr) << "tessaro: " << problem << '\n'
                        << CommandLine::tr("Mehr dazu unter „tessaro --help“.") << '\n';
    return 1;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    const Answer answer = decide(argc, argv);
    if (answer.request == Request::Open)
        return std::nullopt;
    // The texts in the program's language need an application object, but no window system: none is started.
    int count = 1;
    QCoreApplication application(count, argv);
    useLanguage(desktopLanguages());
    if (answer.request == Request::Refuse)
        return refuse(answer);
    if (answer.request == Request::Help) {
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
    QTextStream(stdout) << "tessaro " << kVersion << '\n';
    return 0;
}

}  // namespace tessaro
