#include "shell/Lessons.h"

#include "canvas/Dialogs.h"
#include "canvas/LessonFile.h"
#include "core/LessonJson.h"
#include "core/Scene.h"
#include "shell/Forms.h"
#include "shell/Modules.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace varelo {

namespace {
// The messages' context, declared so that lupdate files them under it as well.
struct Lessons {
    Q_DECLARE_TR_FUNCTIONS(varelo::Lessons)
};
} // namespace

bool OpenLesson(const QString &fileName, FormId from) {
    Lesson lesson;
    QString error;
    if (!ReadLessonFile(fileName, lesson, error)) {
        Dialogs::instance().messageBox(error, true);
        return false;
    }
    const ModuleRow *row = ModuleOfLesson(lesson.module);
    if (!row) {
        Dialogs::instance().messageBox(
            Lessons::tr(kUnknownModule).arg(QFileInfo(fileName).fileName()),
            true);
        return false;
    }
    // The whole lesson in a fresh scene first: the open window stays as it is on any fault.
    std::string faults;
    {
        const std::unique_ptr<Scene> trial = row->makeScene();
        if (!ReadLessonFields(*trial, lesson.fields, faults) || !trial->checkLesson(faults)) {
            Dialogs::instance().messageBox(LessonFieldsError(fileName, faults), true);
            return false;
        }
    }
    // The presentation look belongs to the room as much as to the lesson: a lesson that does
    // not say (the examples) keeps the one on the screen.
    bool presenting = false;
    for (FormId id : {from, row->window})
        if (Forms::isLoaded(id))
            if (Scene *scene = Forms::get(id)->moduleScene())
                presenting = presenting || scene->view.presentation;
    if (from != row->window && ModuleOf(from))
        Forms::closeModule(from);
    Form *w = Forms::load(row->window);
    Forms::hide(FormId::Varelo);
    Forms::show(row->window);
    w->resetModuleScene();
    w->moduleScene()->view.presentation = presenting;
    ReadLessonFields(*w->moduleScene(), lesson.fields, faults);
    w->sceneReplaced();
    // "Lektion speichern" writes back to the file; an example is saved under a new name.
    w->setProperty("lessonFile", fileName.startsWith(QLatin1String(":/")) ? QString() : fileName);
    return true;
}

bool SaveLesson(Form *module, const QString &fileName) {
    const ModuleRow *row = ModuleOf(module->formId());
    if (!row || !module->moduleScene())
        return false;
    QString error;
    if (!WriteLessonFile(fileName, {row->lessonName, LessonFields(*module->moduleScene())}, error)) {
        Dialogs::instance().messageBox(error, true);
        return false;
    }
    module->setProperty("lessonFile", fileName);
    return true;
}

} // namespace varelo
