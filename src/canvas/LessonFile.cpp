#include "canvas/LessonFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>

namespace varelo {

namespace {
// The messages' context, declared so that lupdate files them under it as well.
struct LessonFile {
    Q_DECLARE_TR_FUNCTIONS(varelo::LessonFile)
};
QString shownName(const QString &fileName) { return QFileInfo(fileName).fileName(); }

// A field's path split into its groups, its name and its slot (0 for a single value).
struct Path {
    QStringList groups;
    QString name;
    int slot = 0;
};

Path splitPath(const std::string &path) {
    Path p;
    QStringList parts = QString::fromStdString(path).split(QLatin1Char('.'));
    QString last = parts.takeLast();
    const int bracket = int(last.indexOf(QLatin1Char('[')));
    if (bracket >= 0) {
        p.slot = last.mid(bracket + 1, last.size() - bracket - 2).toInt();
        last.truncate(bracket);
    }
    p.groups = parts;
    p.name = last;
    return p;
}

// Puts v at the path inside the object, making groups and lists on the way.
void insert(QJsonObject &o, const QStringList &groups, int depth, const Path &p, double v) {
    if (depth < groups.size()) {
        QJsonObject inner = o.value(groups[depth]).toObject();
        insert(inner, groups, depth + 1, p, v);
        o.insert(groups[depth], inner);
        return;
    }
    if (p.slot == 0) {
        o.insert(p.name, v);
        return;
    }
    QJsonArray list = o.value(p.name).toArray();
    while (list.size() < p.slot)
        list.append(0);
    list[p.slot - 1] = v;
    o.insert(p.name, list);
}

// The fields of an object, flattened back into paths; false on a value of the wrong type.
bool flatten(const QJsonObject &o, const std::string &prefix, FieldMap &fields, std::string &bad, int depth) {
    if (depth > 8) {
        bad = prefix;
        return false;
    }
    for (auto it = o.begin(); it != o.end(); ++it) {
        const std::string path = prefix + it.key().toStdString();
        const QJsonValue v = it.value();
        if (v.isObject()) {
            if (!flatten(v.toObject(), path + ".", fields, bad, depth + 1))
                return false;
        } else if (v.isArray()) {
            const QJsonArray list = v.toArray();
            // No list of a scene holds more than 101 values.
            if (list.size() > 1000) {
                bad = path;
                return false;
            }
            for (int i = 0; i < list.size(); ++i) {
                const QJsonValue item = list[i];
                if (!item.isDouble() && !item.isBool()) {
                    bad = path + "[" + std::to_string(i + 1) + "]";
                    return false;
                }
                fields[path + "[" + std::to_string(i + 1) + "]"] = item.isBool() ? double(item.toBool()) : item.toDouble();
            }
        } else if (v.isDouble() || v.isBool()) {
            fields[path] = v.isBool() ? double(v.toBool()) : v.toDouble();
        } else {
            bad = path;
            return false;
        }
    }
    return true;
}
} // namespace

QByteArray LessonToJson(const Lesson &lesson) {
    QJsonObject fields;
    for (const auto &entry : lesson.fields) {
        const Path p = splitPath(entry.first);
        insert(fields, p.groups, 0, p, entry.second);
    }
    QJsonObject root = fields;
    root.insert(QStringLiteral("format"), QString::fromLatin1(kLessonFormat));
    root.insert(QStringLiteral("version"), kLessonVersion);
    root.insert(QStringLiteral("module"), QString::fromStdString(lesson.module));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool LessonFromJson(const QByteArray &json, const QString &fileName, Lesson &lesson, QString &error) {
    const QString name = shownName(fileName);
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    const QJsonObject root = doc.object();
    if (parse.error != QJsonParseError::NoError || !doc.isObject() ||
        root.value(QStringLiteral("format")).toString() != QLatin1String(kLessonFormat)) {
        error = LessonFile::tr("Die Datei \"%1\" ist keine Varelo-Lektion oder ist beschädigt.").arg(name);
        return false;
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1 || std::floor(version.toDouble()) != version.toDouble()) {
        error = LessonFile::tr("Die Datei \"%1\" ist keine Varelo-Lektion oder ist beschädigt.").arg(name);
        return false;
    }
    if (version.toDouble() > kLessonVersion) {
        error = LessonFile::tr("Die Lektion \"%1\" wurde mit einer neueren Version von Varelo gespeichert und kann hier nicht "
                   "geöffnet werden.")
                    .arg(name);
        return false;
    }
    const QJsonValue module = root.value(QStringLiteral("module"));
    if (!module.isString()) {
        error = LessonFile::tr("Die Datei \"%1\" ist keine Varelo-Lektion oder ist beschädigt.").arg(name);
        return false;
    }
    QJsonObject fields = root;
    for (const char *key : {"format", "version", "module"})
        fields.remove(QLatin1String(key));
    Lesson read;
    read.module = module.toString().toStdString();
    std::string bad;
    if (!flatten(fields, std::string(), read.fields, bad, 0)) {
        error = LessonFieldsError(fileName, bad + "\n");
        return false;
    }
    lesson = std::move(read);
    return true;
}

QString LessonFieldsError(const QString &fileName, const std::string &faults) {
    // The first fault is enough to find the place; the rest follow from it as a rule.
    const QString first = QString::fromStdString(faults.substr(0, faults.find('\n')));
    return LessonFile::tr("Die Lektion \"%1\" enthält einen ungültigen Wert (%2) und wurde nicht geöffnet.")
        .arg(shownName(fileName), first.section(QLatin1Char(' '), 0, 0));
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
        error = LessonFile::tr("Die Datei \"%1\" ist zu groß für eine Lektion (mehr als 10 MB).").arg(shownName(fileName));
        return false;
    }
    return LessonFromJson(file.read(kLessonMaxBytes + 1), fileName, lesson, error);
}

} // namespace varelo
