#include "shell/ModuleMenu.h"

#include "canvas/Dialogs.h"
#include "core/Scene.h"
#include "shell/Lessons.h"
#include "shell/Modules.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QFileInfo>
#include <QMenuBar>
#include <QShortcut>

namespace varelo {

namespace {
// The messages' context, declared so that lupdate files them under it as well.
struct ModuleMenu {
    Q_DECLARE_TR_FUNCTIONS(varelo::ModuleMenu)
};

// `role` names what the entry does for front-ends that build the menu from this one.
QAction *addAction(QMenu *menu, const char *role, const char *text, const std::function<void()> &run,
                   const QList<QKeySequence> &keys = {}) {
    QAction *a = menu->addAction(ModuleMenu::tr(text));
    a->setProperty("role", QString::fromLatin1(role));
    // The screen reader reads the entry without the marker of its access key.
    a->setObjectName(QString(ModuleMenu::tr(text)).remove(QLatin1Char('&')).remove(QStringLiteral("…")));
    if (!keys.isEmpty())
        a->setShortcuts(keys);
    QObject::connect(a, &QAction::triggered, menu, [run] {
        if (run)
            run();
    });
    return a;
}

void addLessonEntries(QMenu *file, Form *window) {
    addAction(file, "openLesson", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "Lektion ö&ffnen…"), [window] {
        QString name;
        if (Dialogs::instance().lessonFileDialog(false, ModuleMenu::tr("Lektion öffnen"), QString(), &name))
            OpenLesson(name, window->formId());
    }, {QKeySequence::Open});
}

void addExamples(QMenu *file, Form *window) {
    QMenu *examples = file->addMenu(ModuleMenu::tr("&Beispiele"));
    for (const ExampleLesson &e : ExampleLessons()) {
        const QString path = QString::fromLatin1(e.file);
        QAction *a = examples->addAction(QCoreApplication::translate("varelo::ModuleMenu", e.title));
        a->setProperty("role", QStringLiteral("example"));
        a->setProperty("file", QFileInfo(path).fileName());
        QObject::connect(a, &QAction::triggered, examples, [window, path] { OpenLesson(path, window->formId()); });
    }
}

// One check item per option of the window's scene. The scene holds the state (a lesson may
// replace it), so an entry flips the scene's value and the menu shows it when it opens.
void addViewOptions(QMenu *view, Form *window) {
    size_t count = 0;
    const ViewOptionRow *rows = ViewOptionRows(count);
    const unsigned applicable = window->moduleScene() ? window->moduleScene()->viewOptions() : 0;
    std::vector<std::pair<QAction *, bool ViewOptions::*>> items;
    for (size_t i = 0; i < count; ++i) {
        const ViewOptionRow &row = rows[i];
        if (!(applicable & row.option))
            continue;
        bool ViewOptions::*member = row.member;
        QAction *a = addAction(view, (std::string("view:") + row.field).c_str(), row.text, nullptr, row.key ? QList<QKeySequence>{QKeySequence(QString::fromLatin1(row.key))}
                                                                : QList<QKeySequence>{});
        a->setCheckable(true);
        QObject::connect(a, &QAction::triggered, view, [window, member, a] {
            if (Scene *scene = window->moduleScene()) {
                bool &on = scene->view.*member;
                on = !on;
                a->setChecked(on);
                window->viewChanged();
            }
        });
        items.emplace_back(a, member);
    }
    if (!items.empty() && items.front().second == &ViewOptions::presentation && items.size() > 1)
        view->insertSeparator(items[1].first);
    QObject::connect(view, &QMenu::aboutToShow, view, [window, items] {
        if (Scene *scene = window->moduleScene())
            for (const auto &item : items)
                item.first->setChecked(scene->view.*item.second);
    });
}

void saveAs(Form *window) {
    QString name;
    if (Dialogs::instance().lessonFileDialog(true, ModuleMenu::tr("Lektion speichern unter"), window->property("lessonFile").toString(),
                                             &name) &&
        SaveLesson(window, name))
        window->setProperty("lessonFile", name);
}
} // namespace

const std::vector<ExampleLesson> &ExampleLessons() {
    static const std::vector<ExampleLesson> examples{
        {QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Hohlspiegel: die Katakaustik eines Bündels"), ":/lessons/hohlspiegel-kaustik.varelo"},
        {QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Ebener Spiegel: das virtuelle Bild"), ":/lessons/ebener-spiegel.varelo"},
        {QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Totalreflexion bei n = 1,5"), ":/lessons/totalreflexion.varelo"},
        {QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Scheinbare Tiefe: eine Punktreihe unter Wasser"), ":/lessons/scheinbare-tiefe.varelo"},
        {QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Dicke Sammellinse: sphärische Aberration"), ":/lessons/aberration.varelo"},
        {QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Glaskugel als Linse"), ":/lessons/glaskugel.varelo"},
    };
    return examples;
}

QMenu *InstallModuleMenu(Form *window, const ModuleMenuSlots &handlers) {
    // An entry runs the window's slot of that name, as its button does.
    auto slot = [window](const char *name) -> std::function<void()> {
        return [window, name] { QMetaObject::invokeMethod(window, name); };
    };
    // Which slot does what, for front-ends that build the window from its table.
    const std::pair<const char *, const char *> roles[] = {{"savePicture", handlers.savePicture},
                                                           {"print", handlers.print},
                                                           {"backToMenu", handlers.backToMenu},
                                                           {"operatingNotes", handlers.operatingNotes},
                                                           {"didacticNotes", handlers.didacticNotes}};
    for (const auto &[role, name] : roles)
        window->setProperty((QByteArray("slot.") + role).constData(), QString::fromLatin1(name ? name : ""));
    QMenuBar *bar = window->createMenuBar();
    QMenu *file = bar->addMenu(ModuleMenu::tr("&Datei"));
    addLessonEntries(file, window);
    addAction(file, "saveLesson", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "Lektion &speichern…"), [window] {
        const QString name = window->property("lessonFile").toString();
        if (name.isEmpty())
            saveAs(window);
        else
            SaveLesson(window, name);
    }, {QKeySequence::Save});
    addAction(file, "saveLessonAs", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "Lektion speichern &unter…"), [window] { saveAs(window); },
              {QKeySequence(QStringLiteral("Ctrl+Shift+S"))});
    file->addSeparator();
    addAction(file, "savePicture", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "B&ild speichern…"), slot(handlers.savePicture));
    addAction(file, "print", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Drucken…"), slot(handlers.print), {QKeySequence::Print});
    file->addSeparator();
    addExamples(file, window);
    file->addSeparator();
    addAction(file, "backToMenu", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Zurück zum Menü"), slot(handlers.backToMenu));

    QMenu *edit = bar->addMenu(ModuleMenu::tr("&Bearbeiten"));
    addAction(edit, "undo", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Rückgängig"), slot("Undo"), {QKeySequence::Undo});
    addAction(edit, "redo", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Wiederholen"), slot("Redo"),
              {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});

    QMenu *view = bar->addMenu(ModuleMenu::tr("&Ansicht"));
    QAction *full = addAction(view, "fullScreen", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Vollbild"),
                              [window] { window->setFullScreenLayout(!window->isFullScreen()); },
                              {QKeySequence(Qt::Key_F11)});
    full->setCheckable(true);
    QObject::connect(window, &Form::fullScreenChanged, full, &QAction::setChecked);
    // Esc leaves the full screen, and only then is it taken from the controls.
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    leave->setEnabled(false);
    QObject::connect(leave, &QShortcut::activated, window, [window] { window->setFullScreenLayout(false); });
    QObject::connect(window, &Form::fullScreenChanged, leave, &QShortcut::setEnabled);
    addViewOptions(view, window);

    QMenu *help = bar->addMenu(ModuleMenu::tr("&Hilfe"));
    if (handlers.didacticNotes) {
        addAction(help, "operatingNotes", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Bedienungshinweise"), slot(handlers.operatingNotes));
        addAction(help, "didacticNotes", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Didaktische Bemerkungen"), slot(handlers.didacticNotes));
    } else {
        addAction(help, "operatingNotes", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "&Info"), slot(handlers.operatingNotes));
    }
    help->addSeparator();
    addAction(help, "about", QT_TRANSLATE_NOOP("varelo::ModuleMenu", "Über &Varelo"), [] {
        Dialogs::instance().messageBox(
            ModuleMenu::tr("Varelo %1\n\nWandlung von Lichtbündeln durch ebene und sphärische Spiegel, Brechung und Linsen.\n\n"
               "Lizenz: GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later).")
                .arg(QCoreApplication::applicationVersion()),
            false);
    });
    return view;
}

void InstallMainMenu(Form *window) {
    QMenuBar *bar = window->createMenuBar();
    QMenu *file = bar->addMenu(ModuleMenu::tr("&Datei"));
    addLessonEntries(file, window);
    addExamples(file, window);
}

} // namespace varelo
