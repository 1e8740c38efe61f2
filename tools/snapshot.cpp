// Writes a PNG of a window in a chosen state, for looking at what the program shows.
// Usage: varelo_snapshot STATE OUT.png [SCREEN_WIDTH SCREEN_HEIGHT [pdf]]
// With "pdf" the window's hardcopy is printed into OUT instead.
// States: menu, mirror, mirror-caustic, mirror-markers, mirror-help, mirror-info, ray-path,
// ray-path-fan, ray-path-all, lens, lens-bundle, lens-all, lens-sphere, lens-protractors,
// lens-help, lens-info, imaging, imaging-row, imaging-raster, example-1 .. example-6 (the
// shipped example lessons as the "Beispiele" menu opens them)
// VARELO_VIEW=presentation,arrows,... switches on those options of the "Ansicht" menu.
// With VARELO_SNAPSHOT_DARK set, the desktop is a dark Fusion one (to check legibility).
#include "canvas/Dialogs.h"
#include "canvas/Screen.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/FormFactory.h"
#include "shell/Forms.h"
#include "shell/Lessons.h"
#include "shell/ModuleMenu.h"

#include <QApplication>
#include <QPalette>
#include <QCheckBox>
#include <QRadioButton>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <cstdio>
#include <cstring>

using namespace varelo;

namespace {
// Answers the print dialogs so that the hardcopy goes into a PDF file.
class PdfDialogs : public Dialogs {
public:
    QString file;
    void messageBox(const QString &, bool) override {}
    bool inputBox(const QString &, const QString &, const QString &, QString *answer) override {
        *answer = QStringLiteral("Varelo – Probeausdruck");
        return true;
    }
    bool printerDialog(QPrinter *printer) override {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        printer->setPageOrientation(QPageLayout::Landscape);
        return true;
    }
};

// Prints messages instead of waiting for a click that never comes.
class LogDialogs : public Dialogs {
public:
    void messageBox(const QString &text, bool) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool inputBox(const QString &, const QString &, const QString &, QString *) override { return false; }
    bool printerDialog(QPrinter *) override { return false; }
};

void dragRay(frmSpieg *w, float x, float y) {
    w->Picture1_MouseDown(1, 0, x, y);
    w->Picture1_MouseMove(1, 0, x, y);
    w->Picture1_MouseUp(1, 0, x, y);
}

void causticScene(frmSpieg *w) {
    w->HScroll2->setValue(14); // concave, r = -857
    w->Picture1_MouseDown(2, 0, -1800, -300);
    w->Picture1_MouseUp(2, 0, -1800, -300);
    for (int i = 0; i <= 40; ++i)
        dragRay(w, -900, -560 + 28 * i);
}
} // namespace

int main(int argc, char *argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: varelo_snapshot STATE OUT.png [WIDTH HEIGHT]\n");
        return 2;
    }
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("VARELO_SNAPSHOT_DARK")) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Button, QColor(53, 53, 53));
        dark.setColor(QPalette::ToolTipBase, QColor(30, 30, 30));
        dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
    }
    const int sw = argc > 4 ? std::atoi(argv[3]) : 1280;
    const int sh = argc > 4 ? std::atoi(argv[4]) : 1024;
    Screen::setSizeOverride(sw, sh);
    initApplication();
    const char *state = argv[1];
    QWidget *shot = nullptr;
    if (!std::strcmp(state, "menu")) {
        shot = Forms::show(FormId::Varelo);
    } else if (!std::strncmp(state, "example-", 8)) {
        const size_t k = std::strtoul(state + 8, nullptr, 10);
        const std::vector<ExampleLesson> &examples = ExampleLessons();
        static LogDialogs log;
        Dialogs::install(&log);
        Forms::show(FormId::Varelo);
        if (k >= 1 && k <= examples.size() && OpenLesson(QString::fromLatin1(examples[k - 1].file), FormId::Varelo))
            for (FormId id : {FormId::Spieg, FormId::Bre1, FormId::Bre2, FormId::Lins})
                if (Forms::isVisible(id))
                    shot = Forms::get(id);
    } else if (!std::strncmp(state, "mirror", 6)) {
        auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
        shot = w;
        if (!std::strcmp(state, "mirror-caustic")) {
            causticScene(w);
            w->Check3D5->click();
            w->Check3D8->click();
        } else if (!std::strcmp(state, "mirror-markers")) {
            causticScene(w);
            w->Check3D2->click();
            w->Picture2_Click();
            w->Picture1_MouseDown(1, 0, -300, 150);
            w->Picture1_MouseUp(1, 0, -300, 150);
            w->Picture3_Click();
            w->Picture3_Click();
            w->Picture1_MouseDown(1, 0, -1200, 600);
            w->Picture1_MouseUp(1, 0, -1200, 600);
            w->Picture5_Click();
            w->Picture1_MouseDown(1, 0, -500, 0);
            w->Picture1_MouseUp(1, 0, -500, 0);
            w->Picture4_Click();
        } else if (!std::strcmp(state, "mirror-help")) {
            w->Command7_Click();
        } else if (!std::strcmp(state, "mirror-info")) {
            w->Command7_Click();
            w->Command8_Click();
            shot = Forms::get(FormId::SpiegIn);
        }
    } else if (!std::strncmp(state, "ray-path", 8)) {
        auto *w = qobject_cast<frmBre1 *>(Forms::show(FormId::Bre1));
        shot = w;
        if (!std::strcmp(state, "ray-path-fan") || !std::strcmp(state, "ray-path-all")) {
            for (int i = 0; i <= 24; ++i) {
                const float x = -900 + 75 * i;
                w->Picture1_MouseDown(1, 0, x, 0);
                w->Picture1_MouseUp(1, 0, x, 0);
            }
            w->Check3D3->click();
        }
        if (!std::strcmp(state, "ray-path-all")) {
            for (QCheckBox *c : {w->Check3D2, w->Check3D4, w->Check3D5})
                c->click();
            w->Picture3_Click();
            w->Picture1_MouseDown(1, 0, 300, 0);
            w->Picture1_MouseUp(1, 0, 300, 0);
            w->Picture5_Click();
            w->Picture1_MouseDown(1, 0, -200, 300);
            w->Picture1_MouseUp(1, 0, -200, 300);
            w->Picture2_Click();
            w->Picture1_MouseDown(1, 0, -600, -600);
            w->Picture1_MouseUp(1, 0, -600, -600);
            w->Picture4_MouseDown();
            w->Picture6_MouseDown(1, 0, 50, 10);
            w->Picture6_MouseDown(1, 0, 50, 10);
        }
    } else if (!std::strncmp(state, "imaging", 7)) {
        auto *w = qobject_cast<frmBre2 *>(Forms::show(FormId::Bre2));
        shot = w;
        if (!std::strcmp(state, "imaging-row") || !std::strcmp(state, "imaging-raster")) {
            if (!std::strcmp(state, "imaging-raster"))
                w->Raster->click();
            w->Option3D2->click();
            for (int i = 0; i < 15; ++i) {
                w->Picture1_MouseDown(2, 0, -700 + 100 * i, 300);
                w->Picture1_MouseUp(2, 0, -700 + 100 * i, 300);
            }
        }
    } else if (!std::strncmp(state, "lens", 4)) {
        auto *w = qobject_cast<frmLins *>(Forms::show(FormId::Lins));
        shot = w;
        if (!std::strcmp(state, "lens-sphere"))
            w->Preset_MouseDown(10, 1);
        if (std::strcmp(state, "lens")) {
            w->Picture1_MouseDown(2, 0, -1700, -250);
            w->Picture1_MouseUp(2, 0, -1700, -250);
            for (int j = 0; j <= 30; ++j) {
                const float y = -480 + 32 * j;
                w->Picture1_MouseDown(1, 0, -350, y);
                w->Picture1_MouseUp(1, 0, -350, y);
            }
        }
        if (!std::strcmp(state, "lens-all"))
            for (QCheckBox *c : {w->Check3D4, w->Check3D2, w->Check3D5, w->Check3D3, w->Check3D6, w->Check3D8})
                c->click();
        if (!std::strcmp(state, "lens-protractors")) {
            w->Check3D8->click();
            for (QPointF p : {QPointF(-250, -300), QPointF(-40, 200)}) {
                w->Picture6_Click();
                w->Picture1_MouseDown(1, 0, float(p.x()), float(p.y()));
                w->Picture1_MouseUp(1, 0, float(p.x()), float(p.y()));
            }
            w->Picture7_Click();
            w->Picture8_MouseDown(1, 0, 50, 10);
        }
        if (!std::strcmp(state, "lens-help"))
            w->command1_Click();
        if (!std::strcmp(state, "lens-info")) {
            w->Command8_Click();
            shot = Forms::get(FormId::LinsInf);
        }
    }
    const QStringList options = qEnvironmentVariable("VARELO_VIEW").split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (auto *f = qobject_cast<Form *>(shot); f && f->moduleScene() && !options.isEmpty()) {
        size_t count = 0;
        const ViewOptionRow *rows = ViewOptionRows(count);
        for (size_t i = 0; i < count; ++i)
            if (options.contains(QLatin1String(rows[i].field)))
                f->moduleScene()->view.*rows[i].member = true;
        f->Redraw();
    }
    if (argc > 5 && !std::strcmp(argv[5], "pdf")) {
        // Print the window's scene instead of grabbing it: OUT names the PDF.
        static PdfDialogs pdf;
        pdf.file = QString::fromLocal8Bit(argv[2]);
        Dialogs::install(&pdf);
        if (auto *m = qobject_cast<frmSpieg *>(shot))
            m->Command3_Click();
        else if (auto *b = qobject_cast<frmBre1 *>(shot))
            b->Command2_Click();
        else if (auto *l = qobject_cast<frmLins *>(shot))
            l->Command3_Click();
        else if (auto *i = qobject_cast<frmBre2 *>(shot))
            i->Command3_Click();
        return 0;
    }
    if (!shot) {
        std::fprintf(stderr, "unknown state %s\n", state);
        return 2;
    }
    QApplication::processEvents();
    if (!shot->grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
