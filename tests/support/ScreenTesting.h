// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"
#include "logic/ExerciseMode.h"
#include "screens/ExerciseScreen.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

// AddressSanitizer holds freed memory back, so the memory bounds of the long plays do not hold under it.
#if defined(__SANITIZE_ADDRESS__)
#define TESSARO_FREED_MEMORY_QUARANTINED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSARO_FREED_MEMORY_QUARANTINED 1
#endif
#endif

// Readable failure messages for Qt's texts; gtest would print their bytes.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << "{\"" << texts.join(QStringLiteral("\", \"")).toStdString() << "\"}";
}
QT_END_NAMESPACE

namespace tessaro::testing {

// Starts every screen test from the state the program starts with.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// What the main menu has done before an exercise screen opens: a mode chosen, the tally reset, the source seeded.
void prepareExercise(ExerciseMode mode, std::uint32_t seed = 2026);

// The texts an exercise screen accepts for the task it shows, one for each answer field.
QStringList rightAnswerOn(const ExerciseScreen& screen);

// The languages the program speaks, one code each ("de", "en"): German and each translation compiled in.
QStringList programLanguages();

// Shows a screen modally, as the program runs every screen, and waits until it is painted and active.
void showAndPaint(QWidget& screen);

// The screen as a user sees it, one image pixel per device pixel.
QImage screenImage(QWidget& screen);
// Whether the area of the image shows this colour (the core of text or a line drawn in it).
bool showsColour(const QImage& image, const QRect& area, const QColor& colour);

// Acts on the next modal screen that opens above `below` while the caller is blocked in a modal run. If none
// opens within a few seconds the test fails and the topmost modal screen is closed.
void whenModalOpens(QWidget* below, std::function<void(QWidget& screen)> action);
// Runs `trigger`, closes the modal screen it opens above `below` and returns that screen's runtime class name.
QString classOfScreenOpenedBy(QWidget* below, const std::function<void()>& trigger);

// Everything the program has a screen reader say, for as long as the log lives: a test that fails half-way leaves
// no observer behind for the tests after it.
class AnnouncementLog {
public:
    AnnouncementLog();
    ~AnnouncementLog();
    AnnouncementLog(const AnnouncementLog&) = delete;
    AnnouncementLog& operator=(const AnnouncementLog&) = delete;
    QStringList said;
};

// Restores the environment variables it names to what they were when it goes, set or not.
class SavedEnvironment {
public:
    explicit SavedEnvironment(std::initializer_list<const char*> names);
    ~SavedEnvironment();
    SavedEnvironment(const SavedEnvironment&) = delete;
    SavedEnvironment& operator=(const SavedEnvironment&) = delete;

private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

// Compares with the committed reference tests/reference/images/<name>.png or texts/<name>.txt. With
// TESSARO_UPDATE_REFERENCES=1 in the environment it writes the reference instead (scripts/update-references.sh).
void expectReferenceImage(const QImage& image, const QString& name);
void expectReferenceText(const QString& text, const QString& name);

}  // namespace tessaro::testing
