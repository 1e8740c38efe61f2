#include "canvas/LessonFile.h"

#include "core/LessonJson.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace varelo {

namespace {
// The messages' context, declared so that lupdate files them under it as well.
struct LessonFile {
    Q_DECLARE_TR_FUNCTIONS(varelo::LessonFile)
};
QString shownName(const QString &fileName) { return QFileInfo(fileName).fileName(); }

} // namespace

QByteArray LessonToJson(const Lesson &lesson) { return QByteArray::fromStdString(LessonToText(lesson)); }

bool LessonFromJson(const QByteArray &json, const QString &fileName, Lesson &lesson, QString &error) {
    std::string bad;
    switch (LessonFromText(json.toStdString(), lesson, bad)) {
    case LessonTextFault::None:
        return true;
    case LessonTextFault::NotALesson:
        error = LessonFile::tr(kNotALesson).arg(shownName(fileName));
        return false;
    case LessonTextFault::Newer:
        error = LessonFile::tr(kNewerLesson).arg(shownName(fileName));
        return false;
    case LessonTextFault::BadValue:
        error = LessonFieldsError(fileName, bad + "\n");
        return false;
    }
    return false;
}

QString LessonFieldsError(const QString &fileName, const std::string &faults) {
    // The first fault is enough to find the place; the rest follow from it as a rule.
    return LessonFile::tr(kBadLessonValue).arg(shownName(fileName), QString::fromStdString(FirstFaultPath(faults)));
}

bool WriteLessonFile(const QString &fileName, const Lesson &lesson, QString &error) {
    QSaveFile file(fileName);
    const QByteArray json = LessonToJson(lesson);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        error = LessonFile::tr("Die Lektion \"%1\" konnte nicht gespeichert werden: %2").arg(shownName(fileName), file.errorString());
        return false;
    }
    return true;
}

bool ReadLessonFile(const QString &fileName, Lesson &lesson, QString &error) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = LessonFile::tr("Die Datei \"%1\" kann nicht gelesen werden.").arg(shownName(fileName));
        return false;
    }
    if (file.size() > kLessonMaxBytes) {
        error = LessonFile::tr(kLessonTooBig).arg(shownName(fileName));
        return false;
    }
    return LessonFromJson(file.read(kLessonMaxBytes + 1), fileName, lesson, error);
}

} // namespace varelo
