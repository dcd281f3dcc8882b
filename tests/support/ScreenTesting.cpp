// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenTesting.h"

#include "ProgramState.h"
#include "Rechnen2Template.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
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

QStringList rightAnswerShownOn(const TemplateDialog& screen) {
    if (programState().currentMode != ExerciseMode::Divide)
        return {QString::fromStdString(programState().expectedAnswer)};
    const auto valueOf = [&screen](int id) {  // "  -6  -  j (-9)" is -6 + 9j
        int re = 0, im = 0;
        char sign = '+';
        std::sscanf(screen.control<QLineEdit>(id)->text().toLatin1().constData(), " %d %c j (%d)", &re, &sign, &im);
        return std::pair(re, sign == '-' ? -im : im);
    };
    const auto [a, b] = valueOf(rechnen2::DividendField);
    const auto [c, d] = valueOf(rechnen2::DivisorField);
    return {QString::number(a * c + b * d), QString::number(c * c + d * d), QString::number(c * b - a * d)};
}

void showAndPaint(QWidget& screen) {
    screen.setWindowModality(Qt::ApplicationModal);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    QApplication::processEvents();
}

void repaintNow(QWidget& screen) {
    screen.repaint();
    QApplication::processEvents();
}

void doubleClick(QWidget& control) {
    const QPoint centre = control.rect().center();
    QTest::mouseClick(&control, Qt::LeftButton, {}, centre);
    QMouseEvent secondPress(QEvent::MouseButtonDblClick, centre, control.mapToGlobal(centre), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &secondPress);
    QTest::mouseRelease(&control, Qt::LeftButton, {}, centre);
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
    auto* timer = new QTimer(qApp);
    QPointer<QWidget> guardBelow(below);
    QObject::connect(timer, &QTimer::timeout, [timer, guardBelow, action, polls = 0]() mutable {
        QWidget* top = QApplication::activeModalWidget();
        if (top && top != guardBelow.data() && top->isVisible()) {
            timer->deleteLater();
            timer->stop();
            action(*top);
        } else if (++polls > 1000) {
            timer->deleteLater();
            timer->stop();
            ADD_FAILURE() << "no modal screen opened";
            if (auto* dialog = qobject_cast<QDialog*>(top))
                dialog->reject();
        }
    });
    timer->start(5);
}

QString classOfScreenOpenedBy(QWidget* below, const std::function<void()>& trigger) {
    QString className;
    whenModalOpens(below, [&className](QWidget& screen) {
        className = QString::fromLatin1(screen.metaObject()->className());
        screen.close();
    });
    trigger();
    return className;
}

namespace {

bool updatingReferences() { return qEnvironmentVariableIntValue("TESSARO_UPDATE_REFERENCES") == 1; }

QString referencePath(const QString& kind, const QString& file) {
    return QStringLiteral(TESSARO_REFERENCE_DIR "/%1/%2").arg(kind, file);
}

}  // namespace

void expectReferenceImage(const QImage& image, const QString& name) {
    const QString path = referencePath(QStringLiteral("images"), name + QStringLiteral(".png"));
    if (updatingReferences()) {
        ASSERT_TRUE(image.save(path));
        return;
    }
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (reference == image)
        return;
    const QString actual = QDir::temp().filePath(QStringLiteral("tessaro-%1.png").arg(name));
    image.save(actual);
    ADD_FAILURE() << name.toStdString() << " differs from " << path.toStdString() << "; it looks like "
                  << actual.toStdString();
}

void expectReferenceText(const QString& text, const QString& name) {
    QFile file(referencePath(QStringLiteral("texts"), name + QStringLiteral(".txt")));
    if (updatingReferences()) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_EQ(text.toStdString(), QString::fromUtf8(file.readAll()).toStdString()) << name.toStdString();
}

}  // namespace tessaro::testing
