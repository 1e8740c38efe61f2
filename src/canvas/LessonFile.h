#pragma once
// The lesson file: the map of a scene's fields as JSON ("format", "version", "module", then
// the fields nested by their groups), written atomically, read with every fault named in a
// message for the user.
#include "core/Lesson.h"

#include <QByteArray>
#include <QString>

namespace varelo {

QByteArray LessonToJson(const Lesson &lesson);
// False with a message naming the fault; `fileName` is the name the message shows.
bool LessonFromJson(const QByteArray &json, const QString &fileName, Lesson &lesson, QString &error);

bool WriteLessonFile(const QString &fileName, const Lesson &lesson, QString &error);
bool ReadLessonFile(const QString &fileName, Lesson &lesson, QString &error);

// The message for a lesson whose fields a scene refused.
QString LessonFieldsError(const QString &fileName, const std::string &faults);

} // namespace varelo
