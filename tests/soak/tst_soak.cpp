// Random user input for every window: mouse anywhere (far outside the picture too), scroll
// bars to both ends, spin buttons past their limits, every option and button, markers,
// help and notes, printing and saving through the scripted dialogs, switching windows.
// After every action the window's invariants are checked.
// VARELO_SOAK_ACTIONS sets the number of actions per window, VARELO_SOAK_RUN the sequence.
#include "TestSupport.h"

#include "canvas/PictureBox.h"
#include "canvas/SpinButton.h"
#include "core/NumRules.h"
#include "canvas/HelpPanel.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/Lessons.h"
#include "shell/Modules.h"
#include "shell/frmVarelo.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QFile>
#include <QtTest>
#include <cmath>
#include <deque>
#include <random>

using namespace varelo;
using namespace varelo::test;

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { tearDownWindows(); }
    void mirrorWindow();
    void rayPathWindow();
    void lensWindow();
    void imagingWindow();
    void switchingWindows();
    void mutatedLessons();

private:
    std::mt19937 rng;
    long actions = 300;
    QTemporaryDir dir;
    std::deque<QString> trail; // the last actions, for the failure message

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }
    float coord(float range) {
        // Mostly inside the view, sometimes far outside it.
        if (chance(0.05))
            return std::uniform_real_distribution<float>(-1e5f, 1e5f)(rng);
        return std::uniform_real_distribution<float>(-range, range)(rng);
    }
    void note(const QString &what) {
        trail.push_back(what);
        if (trail.size() > 12)
            trail.pop_front();
    }
    void progress(const char *window, long step) {
        if (step > 0 && step % 100000 == 0)
            qInfo("%s: %ld actions", window, step);
    }
    QString trailText() const {
        QStringList l(trail.begin(), trail.end());
        return l.join(QStringLiteral(" | "));
    }
    void setScroll(QScrollBar *s) {
        const int r = pick(4);
        s->setValue(r == 0 ? s->minimum() : r == 1 ? s->maximum()
                                                    : std::uniform_int_distribution<int>(s->minimum(), s->maximum())(rng));
    }
    void scriptPrintAndSave() {
        dialogs().inputAnswers.clear();
        dialogs().printerAnswers.clear();
        dialogs().inputAnswers.push_back({chance(0.8), QStringLiteral("Titel")});
        dialogs().printerAnswers.push_back(chance(0.5));
        dialogs().printToFile = dir.filePath(QStringLiteral("soak.pdf"));
    }
    void scriptSaveName() {
        dialogs().inputAnswers.clear();
        static const char *names[] = {"", "bild.bmp", "fehlt/bild.bmp", "  ", "ohne_endung", "/proc/nein.bmp"};
        const int i = pick(6);
        dialogs().inputAnswers.push_back({chance(0.9), i == 1 || i == 4 ? dir.filePath(names[i]) : QString(names[i])});
    }
    // A press, some moves and a release with a random button anywhere in the picture.
    template <class W> void mouseOn(W *w, float range) {
        mouse([w](int b, int s, float x, float y) { w->Picture1_MouseDown(b, s, x, y); },
              [w](int b, int s, float x, float y) { w->Picture1_MouseMove(b, s, x, y); },
              [w](int b, int s, float x, float y) { w->Picture1_MouseUp(b, s, x, y); }, range);
    }
    // One of the scroll bars to an end or anywhere.
    void scrollOne(std::initializer_list<QScrollBar *> bars) {
        const int i = pick(int(bars.size()));
        QScrollBar *bar = bars.begin()[i];
        setScroll(bar);
        note(QStringLiteral("scroll %1 = %2").arg(i).arg(bar->value()));
    }
    // One of the spin buttons a few times, sometimes far past its limit.
    void spinOne(std::initializer_list<SpinButton *> spins) {
        const int i = pick(int(spins.size())), n = 1 + pick(chance(0.1) ? 400 : 12);
        const bool up = chance(0.5);
        for (int j = 0; j < n; ++j)
            up ? emit spins.begin()[i]->SpinUp() : emit spins.begin()[i]->SpinDown();
        note(QStringLiteral("spin %1 %2 x%3").arg(i).arg(up ? "up" : "down").arg(n));
    }
    void mouse(PictureBox::MouseHandler down, PictureBox::MouseHandler move, PictureBox::MouseHandler up,
               float range) {
        const int button = pick(10) < 6 ? 1 : pick(10) < 9 ? 2 : 3;
        float x = coord(range), y = coord(range);
        down(button, 0, x, y);
        const int moves = pick(6);
        for (int i = 0; i < moves; ++i) {
            x = chance(0.5) ? x + coord(range / 10) : coord(range);
            y = chance(0.5) ? y + coord(range / 10) : coord(range);
            move(button, 0, x, y);
        }
        up(button, 0, x, y);
        note(QStringLiteral("mouse %1 %2 %3").arg(button).arg(x).arg(y));
    }
    // Fingers on one of the window's pictures (the picture, a symbol, a preset field): one or
    // two, pressed, moved (sometimes far out), at times held past the hold, lifted or cancelled.
    void touch(QWidget *window) {
        QList<PictureBox *> pictures;
        for (PictureBox *p : window->findChildren<PictureBox *>())
            if (p->isVisible())
                pictures << p;
        if (pictures.isEmpty())
            return;
        PictureBox *p = pictures[pick(int(pictures.size()))];
        PictureBox::setHoldInterval(5);
        scriptPrintAndSave();
        auto at = [&] { return QPoint(pick(p->width() + 40) - 20, pick(p->height() + 40) - 20); };
        const int fingers = 1 + pick(2);
        QList<QPoint> pos;
        for (int f = 0; f < fingers; ++f)
            pos << at();
        {
            auto seq = QTest::touchEvent(p, touchScreen());
            for (int f = 0; f < fingers; ++f)
                seq.press(f, pos[f]);
        }
        const int moves = pick(5);
        for (int i = 0; i < moves; ++i) {
            if (chance(0.3))
                QTest::qWait(10); // long enough for a hold
            auto seq = QTest::touchEvent(p, touchScreen());
            for (int f = 0; f < fingers; ++f)
                seq.move(f, pos[f] = chance(0.7) ? pos[f] + QPoint(pick(21) - 10, pick(21) - 10) : at());
        }
        if (chance(0.9)) {
            auto seq = QTest::touchEvent(p, touchScreen());
            for (int f = 0; f < fingers; ++f)
                seq.release(f, pos[f]);
        } else {
            // A touch the system takes back.
            QTouchEvent cancel(QEvent::TouchCancel, touchScreen());
            QCoreApplication::sendEvent(p, &cancel);
        }
        note(QStringLiteral("touch %1 on %2 fingers %3").arg(p->objectName()).arg(fingers).arg(moves));
    }
    // A keyboard user: a key on a control of the window (not the ones that close it).
    void keyboard(QWidget *window) {
        if (chance(0.5)) {
            touch(window);
            return;
        }
        if (chance(0.15)) {
            // An option of the "Ansicht" menu: the presentation look or a teaching aid.
            QList<QAction *> options;
            for (QAction *a : window->findChildren<QAction *>())
                if (a->isCheckable() && a->objectName() != QStringLiteral("Vollbild"))
                    options << a;
            if (!options.isEmpty()) {
                QAction *a = options[pick(int(options.size()))];
                a->trigger();
                note(QStringLiteral("view option %1").arg(a->objectName()));
            }
            return;
        }
        static const QStringList leaving{"Menu", "Menue", "zum Strahlenverlauf", "zur Abbildung von Punkten"};
        QList<QWidget *> controls;
        for (QWidget *c : window->findChildren<QWidget *>()) {
            if (!(c->focusPolicy() & Qt::TabFocus) || !c->isVisibleTo(window) || !c->isEnabled())
                continue;
            if (auto *b = qobject_cast<QPushButton *>(c); b && leaving.contains(b->text()))
                continue;
            controls << c;
        }
        if (controls.isEmpty())
            return;
        static const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_Tab};
        QWidget *c = controls[pick(int(controls.size()))];
        const Qt::Key key = keys[pick(int(std::size(keys)))];
        scriptPrintAndSave();
        dialogs().inputAnswers.push_back({chance(0.5), QString()});
        if (chance(0.3)) {
            // Taking back and bringing back rays and row points.
            window->activateWindow();
            const bool redo = chance(0.4);
            QTest::keyClick(window, Qt::Key_Z, redo ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
            note(redo ? QStringLiteral("Ctrl+Shift+Z") : QStringLiteral("Ctrl+Z"));
            return;
        }
        QTest::keyClick(c, key);
        note(QStringLiteral("key %1 on %2 %3").arg(int(key)).arg(c->metaObject()->className(), c->accessibleName()));
    }
    // Actions on the window `open` brings up, each followed by `check`; an action that
    // closed the window returns true and the window is opened again.
    template <class W>
    void soak(const char *name, W *(*open)(), void (TestSoak::*check)(W *, long), const std::function<bool(W *)> &act) {
        W *w = open();
        for (long step = 0; step < actions; ++step) {
            if (act(w)) {
                processDeletes();
                w = open();
            }
            (this->*check)(w, step);
            progress(name, step);
            if (QTest::currentTestFailed())
                return;
        }
    }
    // The window's back button or its close box.
    template <class W> bool closeBy(W *w, void (W::*back)()) {
        chance(0.5) ? (w->*back)() : (void)w->close();
        note(QStringLiteral("close"));
        return true;
    }
    void checkMirror(frmSpieg *w, long step);
    void checkRayPath(frmBre1 *w, long step);
    void checkLens(frmLins *w, long step);
    void checkImaging(frmBre2 *w, long step);
};

void TestSoak::initTestCase() {
    setUpProgram();
    actions = qEnvironmentVariableIntValue("VARELO_SOAK_ACTIONS");
    if (actions <= 0)
        actions = 300;
    rng = std::mt19937(static_cast<unsigned>(qEnvironmentVariableIntValue("VARELO_SOAK_RUN") + 1));
    QDir::setCurrent(dir.path()); // default file names land here
}

#define SOAK_VERIFY(cond) QVERIFY2(cond, qPrintable(QStringLiteral("step %1: %2 after %3").arg(step).arg(#cond, trailText())))

void TestSoak::checkMirror(frmSpieg *w, long step) {
    SOAK_VERIFY(w->scene.objectCount >= 1 && w->scene.objectCount <= ObjectBundles::kMaxObjects);
    for (int k = 1; k <= w->scene.objectCount; ++k) {
        SOAK_VERIFY(w->scene.rayCount[k] >= 0 && w->scene.rayCount[k] <= ObjectBundles::kMaxRays);
        SOAK_VERIFY(w->scene.objX[k] < 0 && std::isfinite(w->scene.objX[k]) && std::isfinite(w->scene.objY[k]));
        for (int j = 1; j <= w->scene.rayCount[k]; ++j)
            SOAK_VERIFY(std::isfinite(w->scene.rayX[k][j]) && std::isfinite(w->scene.rayY[k][j]));
    }
    const int k = w->scene.objectCount;
    SOAK_VERIFY(w->Text11->text() == QStringLiteral("   ") + QString::number(k));
    const MarkerSet &m = w->scene.markers;
    SOAK_VERIFY(m.pointCount >= 0 && m.pointCount <= MarkerSet::kPointEntries && m.pointCount % 2 == 0);
    SOAK_VERIFY(m.eyeCount >= 0 && m.eyeCount <= MarkerSet::kEyes);
    for (int i = 1; i <= m.eyeCount; ++i)
        SOAK_VERIFY(std::isfinite(m.eyeDirX[i]) && std::isfinite(m.eyeDirY[i]));
    SOAK_VERIFY(w->zoom->zoomLevel >= 1.0f / 256 && w->zoom->zoomLevel <= 512);
    SOAK_VERIFY(w->Text10->text() ==
                QString::fromStdString(NumText(Int(w->zoom->zoomFactor * 100 + 0.5f))) + QLatin1Char('%'));
    SOAK_VERIFY(w->HScroll1->maximum() <= 32767 && w->HScroll1->minimum() >= -32768);
    SOAK_VERIFY(w->scene.mirror.halfAperture >= 10 && w->scene.mirror.halfAperture <= 1000);
    SOAK_VERIFY(w->scene.mirror.halfAperture <= 0.99 * std::fabs(w->scene.mirror.mirrorRadius) + 1e-3);
    SOAK_VERIFY(w->Text6->text() ==
                QString::fromStdString(NumText(Int(2 * w->scene.mirror.halfAperture / 10 + 0.5f))));
    SOAK_VERIFY(w->scene.mirror.curvature == -w->HScroll2->value());
    SOAK_VERIFY(w->Command8->isVisibleTo(w) == (w->help->helpShown == 1));
}

void TestSoak::mirrorWindow() {
    auto open = [] {
        Forms::show(FormId::Varelo);
        Forms::as<frmVarelo>(FormId::Varelo)->Command1_Click();
        return Forms::as<frmSpieg>(FormId::Spieg);
    };
    soak<frmSpieg>("mirror", open, &TestSoak::checkMirror, [this](frmSpieg *w) {
        switch (pick(20)) {
        case 0: case 1: case 2: case 3: case 4: case 5: {
            const float range = 3000 / w->zoom->zoomFactor;
            mouseOn(w, range);
            break;
        }
        case 6: {
            scrollOne({w->HScroll1, w->VScroll1, w->HScroll2, w->HScroll5});
            break;
        }
        case 7: case 8: {
            spinOne({w->Spin1, w->Spin2, w->Spin3});
            break;
        }
        case 9: {
            QCheckBox *boxes[] = {w->Check3D2, w->Check3D5, w->Check3D8};
            boxes[pick(3)]->click();
            note(QStringLiteral("option"));
            break;
        }
        case 10: case 11: case 12: {
            QPushButton *buttons[] = {w->Command5, w->Command5, w->command1, w->Command6, w->Command2, w->Command7, w->Command8};
            const int i = pick(7);
            if (buttons[i]->isVisibleTo(w))
                buttons[i]->click();
            note(QStringLiteral("button %1").arg(buttons[i]->text()));
            break;
        }
        case 13: case 14: {
            const int i = pick(4);
            i == 0 ? w->Picture2_Click() : i == 1 ? w->Picture3_Click() : i == 2 ? w->Picture4_Click() : w->Picture5_Click();
            note(QStringLiteral("symbol %1").arg(i));
            break;
        }
        case 15:
            if (chance(0.05)) {
                scriptPrintAndSave();
                w->Command3_Click();
                note(QStringLiteral("print"));
            }
            break;
        case 16:
            if (chance(0.1)) {
                scriptSaveName();
                w->Command4_Click();
                note(QStringLiteral("save"));
            }
            break;
        case 17:
            if (chance(0.05))
                return closeBy(w, &frmSpieg::Command9_Click);
            break;
        default: {
            chance(0.4) ? keyboard(w) : w->Redraw();
            break;
        }
        }
        return false;
    });
}

void TestSoak::checkLens(frmLins *w, long step) {
    const LensScene &sc = w->scene;
    SOAK_VERIFY(sc.objectCount >= 1 && sc.objectCount <= ObjectBundles::kMaxObjects);
    for (int k = 1; k <= sc.objectCount; ++k) {
        SOAK_VERIFY(sc.rayCount[k] >= 0 && sc.rayCount[k] <= ObjectBundles::kMaxRays);
        SOAK_VERIFY(std::isfinite(sc.objX[k]) && std::isfinite(sc.objY[k]));
        for (int j = 1; j <= sc.rayCount[k]; ++j)
            SOAK_VERIFY(std::isfinite(sc.rayX[k][j]) && std::isfinite(sc.rayY[k][j]));
    }
    // The current point stays in front of the lens (a thicker lens pushes it).
    SOAK_VERIFY(sc.currentX() <= -1.1f * sc.lens.thickness + 1e-3f);
    const LensParams &p = sc.lens;
    SOAK_VERIFY(p.semiDiameter >= 10 && p.semiDiameter <= 1000 && w->HScroll5->value() == CInt(p.semiDiameter));
    SOAK_VERIFY(p.k1 == 0 || double(p.r1) * p.r1 >= double(p.semiDiameter) * p.semiDiameter);
    SOAK_VERIFY(p.k2 == 0 || double(p.r2) * p.r2 >= double(p.semiDiameter) * p.semiDiameter);
    SOAK_VERIFY(int(p.k1) == w->HScroll3->value() && int(p.k2) == -w->HScroll2->value());
    SOAK_VERIFY(p.thickness == w->HScroll4->value() && p.refrIndex == w->HScroll6->value() / 100.0f);
    SOAK_VERIFY(w->Text6->text() == QString::fromStdString(NumText(Int(2 * p.semiDiameter / 10 + 0.5f))));
    SOAK_VERIFY(sc.markers.pointCount <= MarkerSet::kPointEntries && sc.markers.eyeCount <= MarkerSet::kEyes);
    SOAK_VERIFY(w->Text11->text().trimmed() == QString::number(sc.objectCount));
    SOAK_VERIFY(sc.protractorCount >= 0 && sc.protractorCount <= LensScene::kMaxProtractors);
    SOAK_VERIFY(w->Picture8->isVisibleTo(w) == (sc.graphOn == 1 && w->help->helpShown == 0));
    SOAK_VERIFY(w->Command8->isVisibleTo(w) == (w->help->helpShown == 1));
}

void TestSoak::lensWindow() {
    auto open = [] {
        Forms::show(FormId::Varelo);
        Forms::as<frmVarelo>(FormId::Varelo)->Command3_Click();
        return Forms::as<frmLins>(FormId::Lins);
    };
    soak<frmLins>("lens", open, &TestSoak::checkLens, [this](frmLins *w) {
        switch (pick(17)) {
        case 0: case 1: case 2: case 3: case 4: {
            const float range = 3000 / w->zoom->zoomFactor;
            mouseOn(w, range);
            break;
        }
        case 5: case 6: {
            scrollOne({w->HScroll1, w->VScroll1, w->HScroll2, w->HScroll3, w->HScroll4, w->HScroll5, w->HScroll6});
            break;
        }
        case 7: {
            const int i = 1 + pick(LensScene::kPresets), button = 1 + pick(3);
            w->Preset_MouseDown(i, button);
            note(QStringLiteral("preset %1 button %2").arg(i).arg(button));
            break;
        }
        case 8: {
            spinOne({w->Spin1, w->Spin2, w->Spin3});
            break;
        }
        case 9: {
            QCheckBox *boxes[] = {w->Check3D1, w->Check3D2, w->Check3D3, w->Check3D4, w->Check3D5, w->Check3D6, w->Check3D8};
            boxes[pick(7)]->click();
            note(QStringLiteral("option"));
            break;
        }
        case 10: case 11: {
            QPushButton *buttons[] = {w->Command5, w->Command5, w->Command7, w->Command6, w->Command2};
            const int i = pick(5);
            buttons[i]->click();
            note(QStringLiteral("button %1").arg(buttons[i]->text()));
            break;
        }
        case 12: {
            const int i = pick(7);
            switch (i) {
            case 0: w->Picture2_Click(); break;
            case 1: w->Picture3_Click(); break;
            case 2: w->Picture4_Click(); break;
            case 3: w->Picture5_Click(); break;
            case 4: w->Picture6_Click(); break;
            case 5: w->Picture7_Click(); break;
            default: w->Picture8_MouseDown(1 + pick(2), 0, coord(110), coord(110)); break;
            }
            note(QStringLiteral("symbol %1").arg(i));
            break;
        }
        case 14:
            if (chance(0.3)) {
                const int i = pick(4);
                if (i == 0) {
                    w->command1_Click();
                } else if (i == 1 && w->Command8->isVisibleTo(w)) {
                    w->Command8_Click();
                } else if (i == 2 && chance(0.2)) {
                    scriptPrintAndSave();
                    w->Command3_Click();
                } else if (i == 3 && chance(0.3)) {
                    scriptSaveName();
                    w->Command4_Click();
                }
                note(QStringLiteral("notes, print or save %1").arg(i));
            }
            break;
        case 13:
            if (chance(0.05))
                return closeBy(w, &frmLins::Command9_Click);
            break;
        default:
            chance(0.4) ? keyboard(w) : w->Redraw();
            break;
        }
        return false;
    });
}

void TestSoak::checkImaging(frmBre2 *w, long step) {
    const ImagingScene &sc = w->scene;
    SOAK_VERIFY(sc.rowCount >= 0 && sc.rowCount <= ImagingScene::kMaxRowPoints);
    SOAK_VERIFY(sc.eyeY <= -50 && std::isfinite(sc.eyeX));
    SOAK_VERIFY(std::isfinite(sc.objX) && std::isfinite(sc.objY));
    SOAK_VERIFY(sc.relIndex == w->HScroll1->value() / 100.0f);
    SOAK_VERIFY(sc.rasterOn == w->Raster->isChecked() && sc.rowMode == w->Option3D2->isChecked());
    SOAK_VERIFY(sc.drag == ImagingScene::Drag::None);
}

void TestSoak::imagingWindow() {
    auto open = [] {
        Forms::show(FormId::Varelo);
        Forms::as<frmVarelo>(FormId::Varelo)->Command2_Click();
        Forms::as<frmBre1>(FormId::Bre1)->Command5_Click();
        processDeletes();
        return Forms::as<frmBre2>(FormId::Bre2);
    };
    soak<frmBre2>("imaging", open, &TestSoak::checkImaging, [this](frmBre2 *w) {
        switch (pick(12)) {
        case 0: case 1: case 2: case 3: case 4:
            mouseOn(w, 1100);
            break;
        case 5:
            setScroll(w->HScroll1);
            note(QStringLiteral("index %1").arg(w->HScroll1->value()));
            break;
        case 6: {
            const int i = pick(3);
            i == 0 ? w->Option3D1->click() : i == 1 ? w->Option3D2->click() : w->Raster->click();
            note(QStringLiteral("option %1").arg(i));
            break;
        }
        case 7:
            if (chance(0.3)) {
                w->Command1->click();
                note(QStringLiteral("Löschen"));
            }
            break;
        case 8:
            w->Command5->click();
            note(QStringLiteral("Info"));
            break;
        case 9:
            if (chance(0.1)) {
                scriptPrintAndSave();
                w->Command3_Click();
                note(QStringLiteral("print"));
            } else if (chance(0.2)) {
                scriptSaveName();
                w->Command4_Click();
                note(QStringLiteral("save"));
            }
            break;
        case 10:
            if (chance(0.05)) {
                // Back to the menu, the close box, or over to the ray path window.
                const int how = pick(3);
                how == 0 ? w->Command6_Click() : how == 1 ? (void)w->close() : w->Command2_Click();
                note(QStringLiteral("close %1").arg(how));
                return true;
            }
            break;
        default:
            chance(0.4) ? keyboard(w) : w->Redraw();
            break;
        }
        return false;
    });
}

void TestSoak::checkRayPath(frmBre1 *w, long step) {
    SOAK_VERIFY(w->scene.rayCount >= 0 && w->scene.rayCount <= RayPathScene::kMaxRays);
    SOAK_VERIFY(w->scene.pointCount >= 0 && w->scene.pointCount <= RayPathScene::kMaxPoints);
    SOAK_VERIFY(w->scene.eyeCount >= 0 && w->scene.eyeCount <= RayPathScene::kMaxEyes);
    for (int i = 1; i <= w->scene.rayCount; ++i)
        SOAK_VERIFY(std::fabs(w->scene.rayHitX[i]) <= 2000);
    for (int i = 1; i <= w->scene.eyeCount; ++i)
        SOAK_VERIFY(std::isfinite(w->scene.eyeDirX[i]) && std::isfinite(w->scene.eyeDirY[i]));
    SOAK_VERIFY(w->scene.relIndex == w->HScroll1->value() / 100.0f);
    SOAK_VERIFY(w->scene.indexRatio == IndexRatio(w->scene.relIndex, w->scene.objY));
    SOAK_VERIFY((w->scene.relIndex < 1) == (w->Text2->text() == QStringLiteral("1.00")) || w->Text2->text() == QStringLiteral("  1.33"));
    SOAK_VERIFY(w->Picture6->isVisibleTo(w) == (w->scene.diagramOn == 1));
    SOAK_VERIFY((w->infoOn == 1) == (w->Command3->text() == QStringLiteral("Info off")));
    SOAK_VERIFY(w->pointMode + w->eyeMode <= 1);
}

void TestSoak::rayPathWindow() {
    auto open = [] {
        Forms::show(FormId::Varelo);
        Forms::as<frmVarelo>(FormId::Varelo)->Command2_Click();
        return Forms::as<frmBre1>(FormId::Bre1);
    };
    soak<frmBre1>("ray path", open, &TestSoak::checkRayPath, [this](frmBre1 *w) {
        switch (pick(18)) {
        case 0: case 1: case 2: case 3: case 4: case 5:
            mouseOn(w, 1500);
            break;
        case 6:
            setScroll(w->HScroll1);
            note(QStringLiteral("index %1").arg(w->HScroll1->value()));
            break;
        case 7: {
            QCheckBox *boxes[] = {w->Check3D1, w->Check3D2, w->Check3D3, w->Check3D4, w->Check3D5};
            boxes[pick(5)]->click();
            note(QStringLiteral("option"));
            break;
        }
        case 8: case 9: {
            const int i = pick(4);
            i == 0 ? w->Picture5_Click() : i == 1 ? w->Picture2_Click() : i == 2 ? w->Picture3_Click() : w->Picture4_MouseDown();
            note(QStringLiteral("symbol %1").arg(i));
            break;
        }
        case 10:
            if (w->Picture6->isVisibleTo(w)) {
                w->Picture6_MouseDown(1 + pick(2), 0, coord(120), coord(120));
                note(QStringLiteral("diagram click"));
            }
            break;
        case 11: case 12: {
            QPushButton *buttons[] = {w->Command1, w->Command4, w->Command3};
            buttons[pick(3)]->click();
            note(QStringLiteral("button"));
            break;
        }
        case 13:
            if (chance(0.05)) {
                scriptPrintAndSave();
                w->Command2_Click();
                note(QStringLiteral("print"));
            }
            break;
        case 14:
            if (chance(0.1)) {
                scriptSaveName();
                w->Command6_Click();
                note(QStringLiteral("save"));
            }
            break;
        case 15:
            if (Forms::isLoaded(FormId::BreI1) && chance(0.3)) {
                Forms::get(FormId::BreI1)->close();
                note(QStringLiteral("close notes"));
            }
            break;
        case 16:
            if (chance(0.05))
                return closeBy(w, &frmBre1::Command7_Click);
            break;
        default:
            chance(0.4) ? keyboard(w) : w->Check3D_Click();
            break;
        }
        return false;
    });
}

void TestSoak::switchingWindows() {
    // Every window the module table knows: the menu, the modules and their information windows.
    std::vector<FormId> windows{FormId::Varelo};
    for (const ModuleRow &row : Modules()) {
        windows.push_back(row.window);
        windows.push_back(row.info.id);
    }
    Forms::show(FormId::Varelo);
    for (long step = 0; step < actions; ++step) {
        auto *menu = Forms::as<frmVarelo>(FormId::Varelo);
        const ModuleRow &row = Modules()[size_t(pick(int(Modules().size())))];
        switch (pick(9)) {
        case 0:
        case 1:
            if (menu && menu->isVisible())
                menu->openModule(size_t(pick(int(menu->moduleButtons.size()))));
            break;
        case 2:
            if (Forms::isLoaded(row.window))
                Forms::closeModule(row.window); // its menu button
            break;
        case 3:
            if (auto *b1 = Forms::as<frmBre1>(FormId::Bre1))
                pick(2) ? b1->Command5_Click() : b1->Command3_Click();
            break;
        case 4:
            if (auto *f = Forms::get(windows[size_t(pick(int(windows.size())))]))
                f->close();
            break;
        case 5:
            if (auto *s = Forms::as<frmSpieg>(FormId::Spieg))
                pick(2) ? s->Command9_Click() : (s->Command7_Click(), s->Command8_Click());
            break;
        case 6:
            if (menu && menu->isVisible() && chance(0.2))
                menu->Command4_Click();
            break;
        default:
            processDeletes();
            break;
        }
        note(QStringLiteral("switch"));
        // Something stays on the screen as long as a window is loaded; after the end the
        // program would have quit, so the soak starts it again.
        if (Forms::loadedCount() == 0)
            Forms::show(FormId::Varelo);
        bool anyVisible = false;
        for (FormId id : windows)
            anyVisible |= Forms::isVisible(id);
        SOAK_VERIFY(anyVisible);
        SOAK_VERIFY(!Forms::isLoaded(FormId::SpiegIn) || Forms::isLoaded(FormId::Spieg));
        if (QTest::currentTestFailed())
            return;
        progress("switching", step);
    }
}

void TestSoak::mutatedLessons() {
    // Lessons of every module, saved from a window with some state and then damaged at
    // random: bytes flipped, fields deleted, numbers replaced. Each opens or is refused with
    // a message; the window that is open stays usable either way.
    std::vector<QByteArray> lessons;
    const long step = 0; // while the good lessons are made
    for (const ModuleRow &row : Modules()) {
        Forms::show(FormId::Varelo);
        Form *w = Forms::show(row.window);
        for (int i = 0; i < 20; ++i) {
            const float x = coord(1500), y = coord(900);
            QMetaObject::invokeMethod(w, "Picture1_MouseDown", Q_ARG(int, 1 + pick(2)), Q_ARG(int, 0), Q_ARG(float, x),
                                      Q_ARG(float, y));
            QMetaObject::invokeMethod(w, "Picture1_MouseUp", Q_ARG(int, 1 + pick(2)), Q_ARG(int, 0), Q_ARG(float, x),
                                      Q_ARG(float, y));
        }
        const QString file = dir.filePath(QStringLiteral("gut.varelo"));
        SOAK_VERIFY(SaveLesson(w, file));
        QFile f(file);
        SOAK_VERIFY(f.open(QIODevice::ReadOnly));
        lessons.push_back(f.readAll());
        tearDownWindows();
    }
    const char *const numbers[] = {"1e308", "-1e308", "0", "-1", "1e-40", "101", "32768", "0.5", "2.5", "-0"};
    Forms::show(FormId::Varelo);
    FormId from = FormId::Varelo;
    int openedCount = 0, refusedCount = 0;
    for (long mutation = 0; mutation < actions / 10 + 20; ++mutation) {
        const long step = mutation;
        QByteArray bytes = lessons[size_t(pick(int(lessons.size())))];
        switch (pick(3)) {
        case 0:
            for (int i = 0, n = 1 + pick(4); i < n && !bytes.isEmpty(); ++i)
                bytes[pick(int(bytes.size()))] = char(pick(256));
            break;
        case 1: {
            QList<QByteArray> lines = bytes.split('\n');
            lines.removeAt(pick(int(lines.size())));
            bytes = lines.join('\n');
            break;
        }
        default: {
            // A number somewhere replaced by one that is out of place.
            const int at = int(bytes.indexOf(QByteArray(": "), pick(int(bytes.size()))));
            if (at > 0) {
                int end = at + 2;
                while (end < bytes.size() && (std::isdigit(uchar(bytes[end])) || bytes[end] == '.' || bytes[end] == '-' ||
                                              bytes[end] == 'e'))
                    ++end;
                bytes.replace(at + 2, end - at - 2, numbers[pick(int(std::size(numbers)))]);
            }
        }
        }
        const QString file = dir.filePath(QStringLiteral("kaputt.varelo"));
        QFile f(file);
        SOAK_VERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        dialogs().messages.clear();
        const bool opened = OpenLesson(file, from);
        note(QStringLiteral("lesson %1").arg(opened ? "opened" : "refused"));
        SOAK_VERIFY(opened || dialogs().messages.size() == 1);
        ++(opened ? openedCount : refusedCount);
        processDeletes();
        for (const ModuleRow &row : Modules())
            if (Form *w = Forms::get(row.window); w && w->isVisible()) {
                from = row.window;
                w->Redraw();
                SOAK_VERIFY(w->moduleScene()->key() != 0);
            }
        if (QTest::currentTestFailed())
            return;
    }
    // Damage that leaves a lesson whole (a blank changed, a zero for a zero) and damage
    // that spoils it both happen.
    QVERIFY2(openedCount > 0 && refusedCount > 0, qPrintable(QStringLiteral("%1 %2").arg(openedCount).arg(refusedCount)));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
