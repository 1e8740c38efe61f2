// Benchmark of the fullest scenes, offscreen at the picture size of a large screen.
// Prints medians with min and max in milliseconds.
#include "FullScenes.h"
#include "canvas/Dialogs.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/FormFactory.h"
#include "shell/Forms.h"
#include "shell/Lessons.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace varelo;

namespace {

class BenchDialogs : public Dialogs {
public:
    QString answer, pdf;
    void messageBox(const QString &, bool) override {}
    bool inputBox(const QString &, const QString &, const QString &, QString *a) override {
        *a = answer;
        return true;
    }
    bool printerDialog(QPrinter *printer) override {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    }
};

struct Stats {
    double median, min, max;
};

Stats measure(int runs, const std::function<void()> &step) {
    std::vector<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        t.start();
        step();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void report(const char *name, const Stats &s, double target = 0) {
    std::printf("%-46s median %8.3f ms   min %8.3f   max %8.3f", name, s.median, s.min, s.max);
    if (target > 0)
        std::printf("   target %6.1f ms  %s", target, s.median <= target ? "ok" : "MISSED");
    std::printf("\n");
}

int startupChild(int argc, char **argv) {
    QApplication app(argc, argv);
    initApplication();
    Forms::show(FormId::Varelo);
    QApplication::processEvents();
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc > 1 && !std::strcmp(argv[1], "--startup"))
        return startupChild(argc, argv);
    QApplication app(argc, argv);
    // 1920 x 1440 gives the mirror window a picture of 1844 x 922 pixels.
    Screen::setSizeOverride(1920, 1440);
    initApplication();
    BenchDialogs dialogs;
    Dialogs::install(&dialogs);
    QTemporaryDir dir;
    const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 50;

    frmSpieg *m = fullMirrorScene();
    std::printf("mirror picture %d x %d, %d object points x %d rays, all options, all markers\n",
                m->Picture1->width(), m->Picture1->height(), int(m->scene.objectCount), int(m->scene.rayCount[10]));
    report("mirror: full Redraw", measure(runs, [m] { m->Redraw(); }), 16);
    if (getenv("VARELO_BENCH_DETAIL")) {
        for (QCheckBox *c : {m->Check3D2, m->Check3D5, m->Check3D8}) {
            c->setChecked(false);
            report(qPrintable("  without " + c->text()), measure(runs, [m] { m->Redraw(); }));
            c->setChecked(true);
        }
    }
    m->Redraw();
    m->Picture1_MouseDown(1, 0, -200, -100);
    m->Picture1_MouseMove(1, 0, -200, -90);
    int tick = 0;
    const Stats cached = measure(runs * 4, [m, &tick] { m->Picture1_MouseMove(1, 0, -200, -80 + (++tick % 200)); });
    report("mirror: drag frame (cached layer)", cached, 2);
    m->Picture1_MouseUp(1, 0, -200, -80);
    m->drag.enabled = false;
    m->Picture1_MouseDown(1, 0, -200, -100);
    const Stats naive = measure(runs, [m, &tick] { m->Picture1_MouseMove(1, 0, -200, -80 + (++tick % 200)); });
    report("mirror: drag frame (re-draw everything)", naive);
    m->Picture1_MouseUp(1, 0, -200, -80);
    m->drag.enabled = true;
    std::printf("%-46s %8.1f x (target >= 10 x)\n", "mirror: naive / cached drag frame", naive.median / cached.median);

    dialogs.answer = QStringLiteral("Bench");
    dialogs.pdf = dir.filePath("bench.pdf");
    report("mirror: hardcopy to PDF", measure(std::max(5, runs / 10), [m] { m->Command3_Click(); }), 500);
    dialogs.answer = dir.filePath("bench.bmp");
    report("mirror: save picture as BMP", measure(std::max(5, runs / 5), [m] { m->Command4_Click(); }), 100);
    dialogs.answer = dir.filePath("bench.svg");
    report("mirror: save picture as SVG", measure(std::max(5, runs / 5), [m] { m->Command4_Click(); }), 200);
    dialogs.answer = dir.filePath("bench-picture.pdf");
    report("mirror: save picture as PDF", measure(std::max(5, runs / 5), [m] { m->Command4_Click(); }), 200);
    Forms::unload(FormId::Spieg);

    frmBre1 *b = fullRayPathScene();
    std::printf("ray-path picture %d x %d, %d rays, all options, protractor and diagram\n", b->Picture1->width(),
                b->Picture1->height(), int(b->scene.rayCount));
    report("ray path: full redraw", measure(runs, [b] { b->Check3D_Click(); }), 16);
    b->Picture1_MouseDown(1, 0, 100, 300);
    report("ray path: drag frame", measure(runs * 4, [b, &tick] {
               b->Picture1_MouseMove(1, 0, 100 + (++tick % 100), 300);
           }), 2);
    b->Picture1_MouseUp(1, 0, 100, 300);
    Forms::unload(FormId::Bre1);

    frmLins *l = fullLensScene();
    std::printf("lens picture %d x %d, %d object points x %d rays, all ray kinds, all markers\n",
                l->Picture1->width(), l->Picture1->height(), int(l->scene.objectCount), int(l->scene.rayCount[10]));
    report("lens: full redraw", measure(runs, [l] { l->Redraw(); }), 8);
    {
        size_t count = 0;
        const ViewOptionRow *rows = ViewOptionRows(count);
        ViewOptions before = l->scene.view;
        for (size_t i = 0; i < count; ++i)
            if (rows[i].option != kViewPresentation)
                l->scene.view.*rows[i].member = true;
        report("lens: full redraw, every aid on", measure(runs, [l] { l->Redraw(); }), 8);
        l->scene.view = before;
    }
    l->Picture1_MouseDown(1, 0, -700, -100);
    const Stats lensCached = measure(runs * 4, [l, &tick] { l->Picture1_MouseMove(1, 0, -700, -80 + (++tick % 200)); });
    report("lens: drag frame (cached layer)", lensCached, 1);
    l->Picture1_MouseUp(1, 0, -700, -80);
    l->drag.enabled = false;
    l->Picture1_MouseDown(1, 0, -700, -100);
    const Stats lensNaive = measure(runs, [l, &tick] { l->Picture1_MouseMove(1, 0, -700, -80 + (++tick % 200)); });
    report("lens: drag frame (re-draw everything)", lensNaive);
    l->Picture1_MouseUp(1, 0, -700, -80);
    std::printf("%-46s %8.1f x (target >= 20 x)\n", "lens: naive / cached drag frame", lensNaive.median / lensCached.median);
    l->drag.enabled = true;
    l->scene.view.presentation = true;
    report("lens: presentation full redraw", measure(runs, [l] { l->Redraw(); }), 16);
    l->Picture1_MouseDown(1, 0, -700, -100);
    report("lens: presentation drag frame", measure(runs * 4, [l, &tick] {
               l->Picture1_MouseMove(1, 0, -700, -80 + (++tick % 200));
           }), 1);
    l->Picture1_MouseUp(1, 0, -700, -80);
    {
        // The object point dragged with the right button: every frame the whole picture, in
        // the presentation table but aliased until the button is let go.
        PictureBox *pic = l->Picture1;
        auto send = [pic](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPointF at) {
            QMouseEvent e(type, at, pic->mapToGlobal(at), button, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(pic, &e);
        };
        const QPointF at(pic->toDeviceX(l->scene.currentX()), pic->toDeviceY(l->scene.currentY()));
        send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at);
        report("lens: presentation object-drag frame", measure(runs, [&send, &at, &tick] {
                   send(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, at + QPointF(0, (++tick % 20) - 10));
               }), 16);
        send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, at);
    }
    l->scene.view.presentation = false;
    // The fullest lens as a lesson: saved, then opened again with its first full redraw.
    const QString lessonFile = QDir::temp().filePath(QStringLiteral("varelo-bench.varelo"));
    report("lens: save the fullest lesson", measure(runs, [l, &lessonFile] { SaveLesson(l, lessonFile); }), 50);
    report("lens: open it with the first redraw",
           measure(runs, [&lessonFile] { OpenLesson(lessonFile, FormId::Lins); }), 50);
    QFile::remove(lessonFile);
    Forms::unload(FormId::Lins);

    frmBre2 *g = fullImagingScene();
    std::printf("imaging picture %d x %d, %d row points, raster and bundle\n", g->Picture1->width(),
                g->Picture1->height(), int(g->scene.rowCount));
    report("imaging: full redraw", measure(runs, [g] { g->Redraw(); }), 8);
    g->Picture1_MouseDown(1, 0, 200, -400);
    report("imaging: eye drag frame", measure(runs * 4, [g, &tick] {
               g->Picture1_MouseMove(1, 0, 200 + (++tick % 200), -400);
           }), 1);
    g->Picture1_MouseUp(1, 0, 200, -400);
    Forms::unload(FormId::Bre2);

    const Stats start = measure(std::max(5, runs / 5), [&] {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup")});
        p.waitForFinished(10000);
    });
    report("start-up to the main menu (whole process)", start, 300);
    return 0;
}
