// Exports what the browser build takes from the desktop build, so that nothing is written
// twice: a module window's controls from its control table, with their texts, names, places
// and values after the window opened; and, for the comparison of the two builds, the fields
// and the recorded drawing operations of the module's fullest scene.
// Usage: varelo_webexport controls MODULE OUT.json   (MODULE: mirror, ray-path, imaging, lens)
//        varelo_webexport menu OUT.json
//        varelo_webexport fullest MODULE FIELDS.txt OPS.json
//        varelo_webexport lesson MODULE OUT.varelo      (the fullest scene saved as a lesson)
//        varelo_webexport read LESSON.varelo FIELDS.txt (a lesson as the desktop opens it)
//        varelo_webexport translations TS OUT.json
#include "FullScenes.h"
#include "canvas/ControlTable.h"
#include "canvas/Dialogs.h"
#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "core/Lesson.h"
#include "core/Scene.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/FormFactory.h"
#include "shell/Forms.h"
#include "shell/InfoWindow.h"
#include "shell/Lessons.h"
#include "shell/Modules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QXmlStreamReader>
#include <cstdio>
#include <cstring>
#include <set>

using namespace varelo;

namespace {

class QuietDialogs : public Dialogs {
public:
    bool answerEmpty = false; // an input box is answered with nothing typed, else cancelled
    QString lastMessage, lastPrompt;
    bool landscape = false; // how the last printer dialog was opened
    void messageBox(const QString &text, bool) override { lastMessage = text; }
    bool inputBox(const QString &prompt, const QString &, const QString &,
                  QString *answer) override {
        lastPrompt = prompt;
        answer->clear();
        return answerEmpty;
    }
    bool printerDialog(QPrinter *printer) override {
        landscape = printer->pageLayout().orientation() == QPageLayout::Landscape;
        return false;
    }
};

const char *KindName(ControlKind k) {
    switch (k) {
    case ControlKind::Label:
        return "label";
    case ControlKind::WrapLabel:
        return "wraplabel";
    case ControlKind::Button:
        return "button";
    case ControlKind::Check:
        return "check";
    case ControlKind::Option:
        return "option";
    case ControlKind::HScroll:
        return "hscroll";
    case ControlKind::VScroll:
        return "vscroll";
    case ControlKind::TextBox:
        return "textbox";
    case ControlKind::Picture:
        return "picture";
    case ControlKind::Symbol:
        return "symbol";
    case ControlKind::Spin:
        return "spin";
    }
    return "";
}

QString Hex(QColor c) {
    return c.name(QColor::HexRgb);
}

QJsonArray OpsJson(const std::vector<SurfaceOp> &ops) {
    QJsonArray a;
    for (const SurfaceOp &op : ops) {
        QJsonArray o{
            int(op.kind), op.x1,    op.y1,  op.x2,
            op.y2,        op.start, op.end, (op.color.r << 16) | (op.color.g << 8) | op.color.b,
            op.width,     op.style};
        if (!op.text.empty())
            o.append(QString::fromStdString(op.text));
        a.append(o);
    }
    return a;
}

// The page paints a face in the symbol's frame (-100, -100) to (100, 100); a face that set a
// scale of its own (the protractor, the angle graph) is taken into that frame. (Faces draw
// no arcs, whose angles a mirrored axis would turn.)
void ToSymbolFrame(std::vector<SurfaceOp> &ops, const Surface &s) {
    const double kx = 200 / s.ScaleWidth(), ky = 200 / s.ScaleHeight();
    const auto x = [&](double v) { return -100 + (v - s.ScaleLeft()) * kx; };
    const auto y = [&](double v) { return -100 + (v - s.ScaleTop()) * ky; };
    for (SurfaceOp &op : ops) {
        switch (op.kind) {
        case SurfaceOp::Line:
            op.x2 = x(op.x2);
            op.y2 = y(op.y2);
            [[fallthrough]];
        case SurfaceOp::PSet:
        case SurfaceOp::Text:
            op.x1 = x(op.x1);
            op.y1 = y(op.y1);
            break;
        case SurfaceOp::Circle:
        case SurfaceOp::Arc:
            op.x1 = x(op.x1);
            op.y1 = y(op.y1);
            op.x2 *= kx; // the radius, in units of x
            break;
        default:
            break;
        }
    }
}

QJsonObject Control(const ControlEntry &e) {
    QWidget *w = e.widget;
    QJsonObject c{{"member", QString::fromStdString(e.member)},
                  {"kind", KindName(e.kind)},
                  {"handler", QString::fromStdString(e.handler)},
                  {"parent", QString::fromStdString(e.parent)},
                  {"x", w->x()},
                  {"y", w->y()},
                  {"w", w->width()},
                  {"h", w->height()},
                  {"visible", w->isVisibleTo(w->window())},
                  {"name", w->accessibleName()},
                  {"description", w->toolTip()},
                  {"px", QFontInfo(w->font()).pixelSize()},
                  {"bold", w->font().bold()}};
    if (auto *l = qobject_cast<QLabel *>(w))
        c["text"] = l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        c["text"] = b->text();
        c["checked"] = b->isChecked();
    }
    if (auto *t = qobject_cast<QLineEdit *>(w)) {
        c["text"] = t->text();
        c["base"] = Hex(t->palette().color(QPalette::Base));
    }
    if (auto *s = qobject_cast<QScrollBar *>(w))
        c["range"] = QJsonObject{{"min", s->minimum()},
                                 {"max", s->maximum()},
                                 {"small", s->singleStep()},
                                 {"large", s->pageStep()},
                                 {"value", s->value()}};
    if (auto *s = qobject_cast<SpinButton *>(w))
        c["spinNames"] =
            QJsonArray{s->upButton()->accessibleName(), s->downButton()->accessibleName()};
    if (e.kind == ControlKind::Symbol) {
        auto *sym = static_cast<SymbolButton *>(w);
        SurfaceRecorder rec;
        sym->attachRecorder(&rec);
        sym->redrawSymbol();
        sym->attachRecorder(nullptr);
        ToSymbolFrame(rec.ops, *sym);
        c["face"] = OpsJson(rec.ops);
        c["back"] = Hex(sym->image().pixelColor(1, 1));
    }
    return c;
}

// The operating notes as the "Info" button lays them over the picture: each note's text and
// place, the controls they hide and the button's caption while they show.
QJsonObject Notes(Form *w, const ControlTable &table) {
    QWidget *picture = table.entries().front().widget;
    std::set<QWidget *> own;
    for (const ControlEntry &e : table.entries())
        own.insert(e.widget);
    std::set<QWidget *> shown;
    for (const ControlEntry &e : table.entries())
        if (e.widget->isVisibleTo(w))
            shown.insert(e.widget);
    QMetaObject::invokeMethod(w, w->property("slot.operatingNotes").toByteArray().constData());
    QJsonArray notes, hidden, revealed;
    for (QLabel *l : picture->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (own.count(l) || !l->isVisibleTo(w))
            continue;
        notes.append(
            QJsonObject{{"text", l->text()},
                        {"x", l->x()},
                        {"y", l->y()},
                        {"w", l->width()},
                        {"h", l->height()},
                        {"px", QFontInfo(l->font()).pixelSize()},
                        {"bold", l->font().bold()},
                        {"wrap", l->wordWrap()},
                        {"indent", l->indent()},
                        {"back", l->autoFillBackground() ? Hex(l->palette().color(QPalette::Window))
                                                         : QString()},
                        {"colour", Hex(l->palette().color(QPalette::WindowText))}});
    }
    QJsonObject o{{"notes", notes}};
    const auto captionOf = [w, &table] {
        for (const ControlEntry &e : table.entries())
            if (QString::fromStdString(e.handler) == w->property("slot.operatingNotes").toString())
                return static_cast<QAbstractButton *>(e.widget)->text();
        return QString();
    };
    for (const ControlEntry &e : table.entries()) {
        if (shown.count(e.widget) && !e.widget->isVisibleTo(w))
            hidden.append(QString::fromStdString(e.member));
        if (!shown.count(e.widget) && e.widget->isVisibleTo(w))
            revealed.append(QString::fromStdString(e.member));
    }
    o["caption"] = captionOf();
    o["hidden"] = hidden;
    o["revealed"] = revealed;
    QMetaObject::invokeMethod(w, w->property("slot.operatingNotes").toByteArray().constData());
    o["captionOff"] = captionOf();
    // The didactic notes leave the operating notes with another caption.
    QMetaObject::invokeMethod(w, w->property("slot.didacticNotes").toByteArray().constData());
    o["captionAfterInfo"] = captionOf();
    return o;
}

// The view options that apply to the window's scene, with the bits the core knows them by.
QJsonArray ViewOptionsOf(Form *w) {
    size_t count = 0;
    const ViewOptionRow *rows = ViewOptionRows(count);
    QJsonArray options;
    for (size_t i = 0; i < count; ++i)
        if (w->moduleScene()->viewOptions() & rows[i].option)
            options.append(QJsonObject{{"field", rows[i].field}, {"bit", int(rows[i].option)}});
    return options;
}

// A menu's entries as the desktop shows them: text, keys, what the entry does (its role),
// whether it is checkable, separators and submenus.
QJsonArray MenuItems(const QMenu *menu) {
    QJsonArray items;
    for (QAction *a : menu->actions()) {
        if (a->isSeparator()) {
            items.append(QJsonObject{{"separator", true}});
            continue;
        }
        QJsonObject o{{"text", a->text()}};
        if (a->menu()) {
            o["items"] = MenuItems(a->menu());
        } else {
            QJsonArray keys;
            for (const QKeySequence &k : a->shortcuts())
                keys.append(k.toString(QKeySequence::PortableText));
            o["keys"] = keys;
            o["role"] = a->property("role").toString();
            o["checkable"] = a->isCheckable();
            if (a->property("file").isValid())
                o["file"] = a->property("file").toString();
        }
        items.append(o);
    }
    return items;
}

QJsonArray MenuBar(Form *w) {
    QJsonArray menus;
    for (QAction *m : w->menuBar()->actions())
        if (m->menu())
            menus.append(QJsonObject{{"title", m->text()}, {"items", MenuItems(m->menu())}});
    return menus;
}

// The text "Über Varelo" shows.
QString AboutText(Form *w) {
    for (QAction *a : w->menuBar()->findChildren<QAction *>())
        if (a->property("role").toString() == QLatin1String("about")) {
            a->trigger();
            return static_cast<QuietDialogs &>(Dialogs::instance()).lastMessage;
        }
    return QString();
}

// The handlers of the window's menu entries by what they do (save the picture, print, back
// to the main menu, the operating and the didactic notes).
QJsonObject Slots(Form *w) {
    QJsonObject o;
    for (const char *role :
         {"savePicture", "print", "backToMenu", "operatingNotes", "didacticNotes"})
        o[role] = w->property((QByteArray("slot.") + role).constData()).toString();
    return o;
}

bool WriteJson(const char *out, const QJsonObject &doc) {
    QFile f(QString::fromLocal8Bit(out));
    return f.open(QIODevice::WriteOnly) &&
           f.write(QJsonDocument(doc).toJson(QJsonDocument::Compact)) > 0;
}

int ExportControls(const ModuleRow &row, const char *out) {
    Form *w = Forms::show(row.window);
    const ControlTable *table = w->controlTable();
    QJsonArray controls;
    for (const ControlEntry &e : table->entries())
        controls.append(Control(e));
    // The picture's first view, as the window's layout sets its scale.
    const auto *picture = static_cast<PictureBox *>(table->entries().front().widget);
    const QJsonArray view0{picture->ScaleLeft(), picture->ScaleTop(), picture->ScaleWidth(),
                           picture->ScaleHeight()};
    // Windows with didactic notes lay their operating notes over the picture; the others
    // open their information window for "Info".
    const bool helpPanel = !w->property("slot.didacticNotes").toString().isEmpty();
    const QJsonObject notes = helpPanel ? Notes(w, *table) : QJsonObject();
    // The name "Bild speichern" saves under when none is typed: saved into a scratch folder.
    QString pictureFile;
    {
        QTemporaryDir scratch;
        const QString here = QDir::currentPath();
        QDir::setCurrent(scratch.path());
        auto &dialogs = static_cast<QuietDialogs &>(Dialogs::instance());
        dialogs.answerEmpty = true;
        QMetaObject::invokeMethod(w, w->property("slot.savePicture").toByteArray().constData());
        dialogs.answerEmpty = false;
        QDir::setCurrent(here);
        const QStringList saved = QDir(scratch.path()).entryList(QDir::Files);
        pictureFile = saved.value(0);
    }
    auto &dialogs = static_cast<QuietDialogs &>(Dialogs::instance());
    const QString savePrompt = dialogs.lastPrompt;
    // The title's question and the page's orientation of "Bild drucken" (the dialog is cancelled).
    QMetaObject::invokeMethod(w, w->property("slot.print").toByteArray().constData());
    const QJsonObject print{{"prompt", dialogs.lastPrompt}, {"landscape", dialogs.landscape}};
    auto *info = static_cast<InfoWindow *>(Forms::show(row.info.id));
    const QJsonObject infoText{{"title", info->windowTitle()}, {"text", info->composedText()}};
    Forms::hide(row.info.id);
    const QWidget *area = w->clientArea();
    const QJsonObject doc{
        {"module", row.lessonName},  {"view0", view0},
        {"title", w->windowTitle()}, {"width", area->width()},
        {"height", area->height()},  {"back", Hex(w->palette().color(QPalette::Window))},
        {"controls", controls},      {"help", notes},
        {"menubar", MenuBar(w)},     {"viewOptions", ViewOptionsOf(w)},
        {"about", AboutText(w)},     {"slots", Slots(w)},
        {"info", infoText},          {"pictureFile", pictureFile},
        {"savePrompt", savePrompt},  {"print", print}};
    return WriteJson(out, doc) ? 0 : 1;
}

// The main menu: its title, buttons and labels with their places, and the module each
// button opens.
int ExportMenu(const char *out) {
    Form *w = Forms::show(FormId::Varelo);
    QJsonArray items;
    for (QWidget *c : w->clientArea()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!c->isVisibleTo(w))
            continue;
        QJsonObject o{{"x", c->x()},
                      {"y", c->y()},
                      {"w", c->width()},
                      {"h", c->height()},
                      {"px", QFontInfo(c->font()).pixelSize()},
                      {"bold", c->font().bold()},
                      {"name", c->accessibleName()},
                      {"description", c->toolTip()}};
        if (auto *b = qobject_cast<QAbstractButton *>(c)) {
            o["kind"] = "button";
            o["text"] = b->text();
            for (const ModuleRow &row : Modules())
                if (row.menuCaption &&
                    b->text() == QCoreApplication::translate("varelo::frmVarelo", row.menuCaption))
                    o["module"] = row.lessonName;
        } else if (auto *l = qobject_cast<QLabel *>(c)) {
            o["kind"] = "label";
            o["text"] = l->text();
        } else {
            continue;
        }
        items.append(o);
    }
    const QWidget *area = w->clientArea();
    return WriteJson(out, {{"title", w->windowTitle()},
                           {"width", area->width()},
                           {"height", area->height()},
                           {"back", Hex(w->palette().color(QPalette::Window))},
                           {"items", items},
                           {"menubar", MenuBar(w)}})
               ? 0
               : 1;
}

// The translation file (Qt Linguist's .ts) as {context: {source: translation}}, for the
// core's texts in the page.
int ExportTranslations(const char *ts, const char *out) {
    QFile f(QString::fromLocal8Bit(ts));
    if (!f.open(QIODevice::ReadOnly))
        return 1;
    QXmlStreamReader xml(&f);
    QJsonObject all, context;
    QString contextName, source, translation;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("context"))
                context = QJsonObject();
            else if (xml.name() == QLatin1String("name"))
                contextName = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation"))
                translation = xml.readElementText();
        } else if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("message") && !translation.isEmpty())
                context[source] = translation;
            else if (xml.name() == QLatin1String("context"))
                all[contextName] = context;
        }
    }
    return !xml.hasError() && WriteJson(out, all) ? 0 : 1;
}

Form *FullScene(const std::string &module) {
    if (module == "mirror")
        return fullMirrorScene();
    if (module == "ray-path")
        return fullRayPathScene();
    if (module == "imaging")
        return fullImagingScene();
    if (module == "lens")
        return fullLensScene();
    return nullptr;
}

bool WriteFields(Scene &scene, const char *out) {
    QFile fields(QString::fromLocal8Bit(out));
    if (!fields.open(QIODevice::WriteOnly))
        return false;
    for (const auto &[path, value] : LessonFields(scene))
        fields.write(QByteArray::fromStdString(path) + '=' + QByteArray::number(value, 'g', 17) +
                     '\n');
    return true;
}

int ExportFullest(const std::string &module, const char *fieldsOut, const char *opsOut) {
    Form *w = FullScene(module);
    if (!w)
        return 2;
    if (!WriteFields(*w->moduleScene(), fieldsOut))
        return 1;
    auto *picture = static_cast<PictureBox *>(w->controlTable()->entries().front().widget);
    SurfaceRecorder rec;
    picture->attachRecorder(&rec);
    w->Redraw();
    picture->attachRecorder(nullptr);
    return WriteJson(opsOut, {{"width", picture->deviceWidth()},
                              {"height", picture->deviceHeight()},
                              {"ops", OpsJson(rec.ops)}})
               ? 0
               : 1;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(
            stderr,
            "usage: %s controls MODULE OUT.json | menu OUT.json | fullest MODULE FIELDS.txt "
            "OPS.json | "
            "lesson MODULE OUT.varelo | read LESSON.varelo FIELDS.txt | translations TS OUT.json\n",
            argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The size the benchmark uses: a picture of 1844 x 922 pixels.
    Screen::setSizeOverride(1920, 1440);
    initApplication();
    QuietDialogs dialogs;
    Dialogs::install(&dialogs);
    const std::string what = argv[1];
    if (what == "menu")
        return ExportMenu(argv[2]);
    if (what == "translations" && argc == 4)
        return ExportTranslations(argv[2], argv[3]);
    // A lesson file as the desktop opens it: the fields of the scene it gives.
    if (what == "read" && argc == 4) {
        if (!OpenLesson(QString::fromLocal8Bit(argv[2]), FormId::Varelo))
            return 1;
        for (const ModuleRow &row : Modules())
            if (Forms::isLoaded(row.window) && Forms::get(row.window)->isVisible())
                return WriteFields(*Forms::get(row.window)->moduleScene(), argv[3]) ? 0 : 1;
        return 1;
    }
    const ModuleRow *row = argc > 3 ? ModuleOfLesson(argv[2]) : nullptr;
    if (!row)
        return 2;
    if (what == "controls")
        return ExportControls(*row, argv[3]);
    if (what == "fullest" && argc == 5)
        return ExportFullest(argv[2], argv[3], argv[4]);
    // The fullest scene saved as a lesson by the desktop.
    if (what == "lesson" && argc == 4) {
        Form *w = FullScene(argv[2]);
        return w && SaveLesson(w, QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    return 2;
}
