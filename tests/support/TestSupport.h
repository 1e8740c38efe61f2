#pragma once
// Shared test helpers: scripted dialogs, loading windows through the registry at a
// fixed screen size, and reading pixels of a picture.
#include "canvas/Dialogs.h"
#include "core/Surface.h"
#include "shell/Forms.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QStringList>
#include <deque>
#include <functional>

class QPointingDevice;

namespace varelo {
class PictureBox;
}

namespace varelo::test {

class ScriptedDialogs : public Dialogs {
public:
    struct Answer {
        bool ok = true;
        QString text;
    };
    std::deque<Answer> inputAnswers; // consumed in order; empty answers OK with ""
    std::deque<bool> printerAnswers;
    QString printToFile; // an accepted printer dialog chose "Print to file (PDF)" with this name
    QStringList messages;      // texts shown in message boxes
    QList<bool> messageIcons;  // critical icon per message
    QStringList prompts;       // prompts of input boxes
    QStringList inputTitles;   // captions of input boxes
    QList<bool> printerLandscape; // the orientation each printer dialog opened with
    std::deque<Answer> fileAnswers; // lesson file dialogs, in order; empty: cancelled
    QStringList fileTitles;

    void messageBox(const QString &text, bool critical) override;
    bool inputBox(const QString &prompt, const QString &title, const QString &defaultText,
                  QString *answer) override;
    bool printerDialog(QPrinter *printer) override;
    bool lessonFileDialog(bool save, const QString &title, const QString &suggested, QString *fileName) override;
};

// Sets up the program as main() does, at a fixed screen size, with the scripted dialogs.
// Returns the number of times the program asked to end through *endCount.
void setUpProgram(int screenWidthPx = 1280, int screenHeightPx = 1024);
ScriptedDialogs &dialogs();
int endRequests();
// Unloads every window and deletes what was unloaded.
void tearDownWindows();
void processDeletes();

template <typename T> T *open(FormId id) { return qobject_cast<T *>(Forms::load(id)); }

// The longest texts a teacher can bring about in a module window: an object point as far out
// as the spin buttons go, the largest zoom, the pointer far out, the extreme indices with
// the angle graph, the notes and information windows switched on.
void showLongestTexts(Form *f);
// Every text a window shows: its title, its menu bar's menus and entries, and of every control
// shown its text, tooltip, accessible name and description.
QStringList shownTexts(Form *w);

// Pages in a PDF file (-1 when it is no PDF).
int pdfPageCount(const QString &fileName);
// Prints with `print` through the scripted dialogs (this title, the printer accepted and
// writing `pdf`) and returns what was drawn on the page.
SurfaceRecorder printPage(const std::function<void()> &print, const QString &title, const QString &pdf);
// What `draw` draws on the picture.
SurfaceRecorder recordOn(PictureBox *picture, const std::function<void()> &draw);
// The texts printed on a recorded printer surface, in order.
QStringList printedTexts(const SurfaceRecorder &rec);

// Touch on a picture (its window shown): one finger pressed at `from` and held until the
// hold is recognised, then moved to `to` and lifted.
void touchHold(PictureBox *picture, QPoint from, QPoint to);
// Two fingers on a picture, `from` pixels apart about its centre, then `to` apart.
void pinch(PictureBox *picture, int from, int to);
QPointingDevice *touchScreen();

QColor pixelAt(const QImage &img, int x, int y);
// True when some pixel within radius of (x, y) has this colour.
bool colourNear(const QImage &img, int x, int y, int radius, QColor c);

} // namespace varelo::test
