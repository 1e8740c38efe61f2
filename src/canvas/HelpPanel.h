#pragma once
// The operating notes of the mirror and lens windows: labels laid over the picture in two
// columns under a title, shown and hidden by the window's "Info" button. While they are
// shown the view is parked far away and nothing is drawn under them.
#include <QMap>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace varelo {

class PictureBox;
class ZoomPan;

struct HelpNote {
    const char *name;
    const char *text;
    int kind; // 0 title, 1 heading, 2 note on white, 3 note
};

class HelpPanel {
public:
    // `others` are the controls inside the picture that the notes replace.
    HelpPanel(PictureBox *picture, ZoomPan *zoom, QPushButton *toggle, QWidget *didacticButton,
              const HelpNote *notes, int count, std::vector<QWidget *> others, std::function<void()> redraw);

    // The title across the top, then the named labels stacked in two columns.
    void layout(const std::vector<const char *> &left, const std::vector<const char *> &right);
    void Load(); // hidden, the switch reads "Info "
    void toggle(); // the switch: show or hide the notes
    // The didactic notes were opened: the operating notes go, the switch reads "Info einblenden".
    void leaveForDidacticNotes();

    int16_t helpShown = 0;
    QMap<QString, QLabel *> labels;

private:
    void setShown(bool shown);
    void hideNotes();
    PictureBox *pic_;
    ZoomPan *zoom_;
    QPushButton *toggle_;
    QWidget *didactic_;
    std::vector<QWidget *> others_;
    std::function<void()> redraw_;
};

} // namespace varelo
