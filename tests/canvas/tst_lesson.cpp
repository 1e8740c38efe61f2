// The lesson file: the fields of a scene through JSON and back, and every kind of bad file
// refused with its message.
#include "canvas/LessonFile.h"
#include "core/Lesson.h"
#include "refraction/ImagingScene.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace varelo;

namespace {
Lesson imagingLesson() {
    ImagingScene scene;
    scene.rowMode = true;
    scene.relIndex = 1.5f;
    for (int i = 0; i < 5; ++i)
        scene.addRowPoint(-400 + 200.f * i, 300);
    return {"imaging", LessonFields(scene)};
}
} // namespace

class TestLesson : public QObject {
    Q_OBJECT
private slots:
    void jsonRoundTrip();
    void badFiles_data();
    void badFiles();
    void badFieldsRefused_data();
    void badFieldsRefused();
    void filesWrittenWholeOrNotAtAll();
};

void TestLesson::jsonRoundTrip() {
    const Lesson lesson = imagingLesson();
    const QByteArray json = LessonToJson(lesson);
    QVERIFY(json.contains("\"format\": \"varelo-lesson\""));
    QVERIFY(json.contains("\"rowX\": ["));
    Lesson back;
    QString error;
    QVERIFY2(LessonFromJson(json, QStringLiteral("a.varelo"), back, error), qPrintable(error));
    QCOMPARE(back.module, std::string("imaging"));
    QVERIFY(back.fields == lesson.fields);
    // Read into a fresh scene, it is the same scene.
    ImagingScene fresh, original;
    std::string faults;
    QVERIFY(ReadLessonFields(fresh, back.fields, faults));
    QVERIFY(ReadLessonFields(original, lesson.fields, faults));
    QCOMPARE(fresh.key(), original.key());
}

void TestLesson::badFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray good = LessonToJson(imagingLesson());
    const QString broken = QStringLiteral("Die Datei \"x.varelo\" ist keine Varelo-Lektion oder ist beschädigt.");
    QTest::newRow("not JSON") << QByteArray("Hallo") << broken;
    QTest::newRow("truncated") << good.left(good.size() / 2) << broken;
    QTest::newRow("empty") << QByteArray() << broken;
    QTest::newRow("a JSON list") << QByteArray("[1, 2]") << broken;
    QTest::newRow("another format") << QByteArray(good).replace("varelo-lesson", "scene") << broken;
    QTest::newRow("no version") << QByteArray(good).replace("\"version\"", "\"versio\"") << broken;
    QTest::newRow("NaN") << QByteArray(good).replace("\"relIndex\": 1.5", "\"relIndex\": NaN") << broken;
    QTest::newRow("text after the end") << good + "x" << broken;
    QTest::newRow("a comma too many") << QByteArray(good).replace("\"rowX\": [", "\"rowX\": [,") << broken;
    QTest::newRow("nested 100000 deep") << QByteArray(100000, '[') << broken;
    QTest::newRow("a lone surrogate") << QByteArray(good).replace("varelo-lesson", "\\ud800") << broken;
    QTest::newRow("newer version")
        << QByteArray(good).replace("\"version\": 1", "\"version\": 2")
        << QStringLiteral("Die Lektion \"x.varelo\" wurde mit einer neueren Version von Varelo gespeichert und kann "
                          "hier nicht geöffnet werden.");
    QTest::newRow("text for a number")
        << QByteArray(good).replace("\"relIndex\": 1.5", "\"relIndex\": \"1.5\"")
        << QStringLiteral("Die Lektion \"x.varelo\" enthält einen ungültigen Wert (relIndex) und wurde nicht geöffnet.");
    QTest::newRow("null in a list")
        << QByteArray(good).replace("\"rowX\": [", "\"rowX\": [null, ")
        << QStringLiteral("Die Lektion \"x.varelo\" enthält einen ungültigen Wert (rowX[1]) und wurde nicht geöffnet.");
}

void TestLesson::badFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Lesson lesson;
    lesson.module = "kept";
    QString error;
    QVERIFY(!LessonFromJson(bytes, QStringLiteral("/tmp/x.varelo"), lesson, error));
    QCOMPARE(error, message);
    QCOMPARE(lesson.module, std::string("kept"));
}

void TestLesson::badFieldsRefused_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("value");
    QTest::newRow("more row points than 100") << "rowCount" << 101.0;
    QTest::newRow("a count that is no whole number") << "rowCount" << 2.5;
    QTest::newRow("an index off the bar") << "relIndex" << 2.5;
    QTest::newRow("an index between its steps") << "relIndex" << 1.335;
    QTest::newRow("the eye under the interface") << "eyeY" << 100.0;
    QTest::newRow("an infinite coordinate") << "objX" << double(INFINITY);
    QTest::newRow("a value no field takes") << "rowX[6]" << 0.0;
    QTest::newRow("a field missing") << "objY" << double(NAN);
}

void TestLesson::badFieldsRefused() {
    QFETCH(QString, path);
    QFETCH(double, value);
    Lesson lesson = imagingLesson();
    if (std::isnan(value))
        lesson.fields.erase(path.toStdString());
    else
        lesson.fields[path.toStdString()] = value;
    ImagingScene scene;
    std::string faults;
    const bool read = ReadLessonFields(scene, lesson.fields, faults) && scene.checkLesson(faults);
    QVERIFY(!read);
    QVERIFY2(QString::fromStdString(faults).startsWith(path), faults.c_str());
    QVERIFY(LessonFieldsError(QStringLiteral("x.varelo"), faults).contains(QLatin1Char('(') + path + QLatin1Char(')')));
}

void TestLesson::filesWrittenWholeOrNotAtAll() {
    QTemporaryDir dir;
    const QString name = dir.filePath("zeile.varelo");
    QString error;
    QVERIFY(WriteLessonFile(name, imagingLesson(), error));
    Lesson back;
    QVERIFY(ReadLessonFile(name, back, error));
    QVERIFY(back.fields == imagingLesson().fields);
    // A folder that does not exist: a message, and nothing written.
    QVERIFY(!WriteLessonFile(dir.filePath("fehlt/zeile.varelo"), imagingLesson(), error));
    QVERIFY(error.startsWith(QStringLiteral("Die Lektion \"zeile.varelo\" konnte nicht gespeichert werden")));
    // A file beyond 10 MB is not read at all.
    QFile big(dir.filePath("gross.varelo"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(kLessonMaxBytes + 1));
    big.close();
    QVERIFY(!ReadLessonFile(big.fileName(), back, error));
    QCOMPARE(error, QStringLiteral("Die Datei \"gross.varelo\" ist zu groß für eine Lektion (mehr als 10 MB)."));
    QVERIFY(!ReadLessonFile(dir.filePath("keine.varelo"), back, error));
    QCOMPARE(error, QStringLiteral("Die Datei \"keine.varelo\" kann nicht gelesen werden."));
}

int runLessonTests(int argc, char **argv) {
    TestLesson t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_lesson.moc"
