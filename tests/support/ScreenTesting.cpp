// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/ScreenTesting.h"

#include "dialogkit/Announcement.h"
#include "dialogkit/ProgramState.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace tessaro::testing {

void ScreenTest::SetUp() { resetProgramState(); }

void prepareExercise(ExerciseMode mode, std::uint32_t seed) {
    ProgramState& state = programState();
    state.currentMode = mode;
    state.tally.reset();
    state.random.seed(seed);
}

QStringList rightAnswerOn(const ExerciseScreen& screen) {
    QStringList texts;
    for (const AnswerField& field : screen.task().fields)
        texts << QString::fromStdString(field.expected);
    return texts;
}

namespace {
AnnouncementLog* listening = nullptr;  // the observer is a plain function
}  // namespace

AnnouncementLog::AnnouncementLog() {
    listening = this;
    observeAnnouncements([](const QString& text) { listening->said.append(text); });
}

AnnouncementLog::~AnnouncementLog() {
    observeAnnouncements(nullptr);
    listening = nullptr;
}

SavedEnvironment::SavedEnvironment(std::initializer_list<const char*> names) {
    for (const char* name : names)
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
}

SavedEnvironment::~SavedEnvironment() {
    for (const auto& [name, value] : saved_)
        value ? qputenv(name, *value) : qunsetenv(name);
}

QStringList programLanguages() {
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("tessaro_*.qm")}))
        languages << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    return languages;
}

void showAndPaint(QWidget& screen) {
    screen.setWindowModality(Qt::ApplicationModal);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    QApplication::processEvents();
}

QImage screenImage(QWidget& screen) { return screen.grab().toImage().convertToFormat(QImage::Format_RGB32); }

bool showsColour(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

void whenModalOpens(QWidget* below, std::function<void(QWidget& screen)> action) {
    QTimer::singleShot(5, [below, action, tries = 1000]() mutable {
        QWidget* top = QApplication::activeModalWidget();
        if (top && top != below && top->isVisible())
            return action(*top);
        if (--tries > 0)
            return whenModalOpens(below, action);
        ADD_FAILURE() << "no modal screen opened";
        if (auto* dialog = qobject_cast<QDialog*>(top))
            dialog->reject();
    });
}

QString classOfScreenOpenedBy(QWidget* below, const std::function<void()>& trigger) {
    QString className;
    whenModalOpens(below, [&className, below](QWidget& screen) {
        className = QString::fromLatin1(screen.metaObject()->className());
        EXPECT_EQ(screen.parentWidget(), below) << "a screen opens above the one below it, which it blocks";
        screen.close();
    });
    trigger();
    return className;
}

namespace {

// Writes the reference instead when asked to; otherwise returns its path.
QString reference(const QString& file, const std::function<bool(const QString& path)>& write) {
    const QString path = QStringLiteral(TESSARO_REFERENCE_DIR "/") + file;
    if (qEnvironmentVariableIntValue("TESSARO_UPDATE_REFERENCES") == 1 && !write(path))
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

}  // namespace

void expectReferenceImage(const QImage& image, const QString& name) {
    const QString path = reference("images/" + name + ".png", [&image](const QString& to) { return image.save(to); });
    if (QImage(path).convertToFormat(QImage::Format_RGB32) == image)
        return;
    const QString actual = QDir::temp().filePath(QStringLiteral("tessaro-%1.png").arg(name));
    image.save(actual);
    ADD_FAILURE() << name.toStdString() << " differs from " << path.toStdString() << "; it looks like "
                  << actual.toStdString();
}

void expectReferenceText(const QString& text, const QString& name) {
    QFile file(reference("texts/" + name + ".txt", [&text](const QString& to) {
        QFile written(to);
        return written.open(QIODevice::WriteOnly) && written.write(text.toUtf8()) >= 0;
    }));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_EQ(text, QString::fromUtf8(file.readAll())) << name.toStdString();
}

}  // namespace tessaro::testing
