// The English interface, as a user whose system is not German meets it (CTest runs this with
// LANGUAGE=en): the rule that picks the language, Qt's own dialogs in the same language, every
// text of every window and every message and prompt in English, and lessons that do not care
// in which language they were saved.
#include "TestSupport.h"

#include "canvas/Hardcopy.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/FormFactory.h"
#include "shell/Lessons.h"
#include "shell/ModuleMenu.h"
#include "shell/Modules.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <functional>

using namespace varelo;
using namespace varelo::test;

namespace {

// Texts that are the same in both languages: the name, words English shares with German,
// and symbols.
const QRegularExpression kSameInBoth(
    QStringLiteral("^(Varelo|Info|Info off|&Info|Zoom|Radius( R[12])?|Menu|\"|[nxy] *= *[-\\d.]*)$"));

bool hasLetter(const QString &text) { return text.contains(QRegularExpression(QStringLiteral("[A-Za-zÄÖÜäöüß]"))); }

struct Message {
    QString source, translation;
};

QList<Message> readTranslations() {
    QList<Message> out;
    QFile f(QStringLiteral(VARELO_TS_FILE));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source"))
            m.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            m.translation = xml.readElementText();
            out << m;
        }
    }
    return out;
}

// Marks every text that went through the translation, whatever its context.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override {
        return QStringLiteral("«") + QString::fromUtf8(source) + QStringLiteral("»");
    }
};

// The English translation as the program has it, noting every text of the program's own
// contexts (Qt's begin with a Q) that it has no translation for: a text that escaped lupdate.
class EnglishLookups : public QTranslator {
public:
    EnglishLookups() { loaded = english_.load(QStringLiteral(":/i18n/varelo_en.qm")); }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override {
        const QString text = english_.translate(context, source, disambiguation, n);
        if (text.isNull() && context[0] != 'Q' && hasLetter(QString::fromUtf8(source)))
            missing << QString::fromUtf8(context) + QStringLiteral(": ") + QString::fromUtf8(source);
        return text;
    }
    bool loaded = false;
    mutable QStringList missing;

private:
    QTranslator english_;
};

// A source text found in a text as a whole phrase (not as the start of a longer word).
bool containsPhrase(const QString &text, const QString &phrase) {
    for (qsizetype at = text.indexOf(phrase); at >= 0; at = text.indexOf(phrase, at + 1)) {
        const qsizetype end = at + phrase.size();
        const bool startsWord = at == 0 || !text.at(at - 1).isLetterOrNumber();
        const bool endsWord = end == text.size() || !text.at(end).isLetterOrNumber();
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

template <typename W> void press(W *w, int button, float x, float y) {
    w->Picture1_MouseDown(button, 0, x, y);
    w->Picture1_MouseMove(button, 0, x, y);
    w->Picture1_MouseUp(button, 0, x, y);
}

// A press, a move on the spot and a release in the picture, at world coordinates.
void pressIn(Form *f, float x, float y, int button = 1) {
    if (auto *w = qobject_cast<frmSpieg *>(f))
        press(w, button, x, y);
    else if (auto *w = qobject_cast<frmBre1 *>(f))
        press(w, button, x, y);
    else if (auto *w = qobject_cast<frmBre2 *>(f))
        press(w, button, x, y);
    else if (auto *w = qobject_cast<frmLins *>(f))
        press(w, button, x, y);
}

// The menu bar's File menu entry with this key, or the last entry of the Help menu.
QAction *menuEntry(Form *w, const QKeySequence &key = {}) {
    const QList<QAction *> menus = w->menuBar()->actions();
    if (key.isEmpty())
        return menus.last()->menu()->actions().last();
    for (QAction *a : menus.first()->menu()->actions())
        if (a->shortcuts().contains(key))
            return a;
    return nullptr;
}

void writeFile(const QString &name, const QByteArray &bytes) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A saved lesson of the window, changed by `change`, written to `name`.
void writeChangedLesson(Form *w, const QString &name, const std::function<void(QJsonObject &)> &change) {
    QVERIFY(SaveLesson(w, name));
    QFile f(name);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    f.close();
    change(o);
    writeFile(name, QJsonDocument(o).toJson());
}

// What brings up the messages and prompts of the program: the window, how many messages,
// prompts and file dialogs it brings up, and the actions (given a folder to write in).
struct Scenario {
    const char *name;
    FormId window;
    int dialogCount;
    void (*provoke)(Form *w, const QString &dir);
};

void saveUnder(Form *w, const char *button, const QString &dir) {
    dialogs().inputAnswers.push_back({true, dir + QStringLiteral("/fehlt/bild.bmp")});
    w->findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

const Scenario kScenarios[] = {
    {"mirror: saving fails", FormId::Spieg, 2, [](Form *w, const QString &dir) { saveUnder(w, "Command4", dir); }},
    {"mirror: printing", FormId::Spieg, 1,
     [](Form *w, const QString &) {
         dialogs().inputAnswers.push_back({false, {}});
         qobject_cast<frmSpieg *>(w)->Command3->click();
     }},
    {"mirror: eleventh object", FormId::Spieg, 1,
     [](Form *w, const QString &) {
         for (int i = 0; i < 10; ++i)
             qobject_cast<frmSpieg *>(w)->Command5_Click();
     }},
    {"mirror: 101st ray", FormId::Spieg, 1,
     [](Form *w, const QString &) {
         for (int i = 0; i < 101; ++i)
             pressIn(w, -1200, -500 + 8 * i);
     }},
    {"mirror: markers over the limit", FormId::Spieg, 2,
     [](Form *w, const QString &) {
         auto *m = qobject_cast<frmSpieg *>(w);
         for (int i = 0; i < 26; ++i) {
             m->markers->PointSymbol_Click();
             pressIn(w, -1000 + 10 * i, 0);
         }
         for (int i = 0; i < 11; ++i) {
             m->markers->EyeSymbol_Click();
             pressIn(w, -1800 + 150 * i, 800);
         }
     }},
    {"ray path: points, eyes and rays over the limit", FormId::Bre1, 3,
     [](Form *w, const QString &) {
         auto *r = qobject_cast<frmBre1 *>(w);
         for (int i = 0; i < 21; ++i) {
             r->Picture5_Click();
             pressIn(w, -900 + 20 * i, -200);
         }
         for (int i = 0; i < 21; ++i) {
             r->Picture2_Click();
             pressIn(w, -900 + 40 * i, -600);
         }
         for (int i = 0; i < 101; ++i)
             pressIn(w, -495 + 10 * i, 250);
     }},
    {"ray path: saving fails", FormId::Bre1, 2, [](Form *w, const QString &dir) { saveUnder(w, "Command6", dir); }},
    {"imaging: row over the limit, saving fails", FormId::Bre2, 3,
     [](Form *w, const QString &dir) {
         qobject_cast<frmBre2 *>(w)->Option3D2->setChecked(true);
         for (int i = 0; i < 101; ++i)
             pressIn(w, -900.f + 18 * i, 300.f, 2);
         saveUnder(w, "Command4", dir);
     }},
    {"lens: saving fails, printing", FormId::Lins, 3,
     [](Form *w, const QString &dir) {
         saveUnder(w, "Command4", dir);
         dialogs().inputAnswers.push_back({false, {}});
         qobject_cast<frmLins *>(w)->Command3->click();
     }},
    {"faulty lessons", FormId::Bre2, 7,
     [](Form *w, const QString &dir) {
         const QString name = dir + QStringLiteral("/x.varelo");
         writeFile(name, "Hallo");
         OpenLesson(name, w->formId());
         writeChangedLesson(w, name, [](QJsonObject &o) { o.insert(QStringLiteral("version"), 99); });
         OpenLesson(name, w->formId());
         writeChangedLesson(w, name, [](QJsonObject &o) { o.insert(QStringLiteral("module"), QStringLiteral("prisma")); });
         OpenLesson(name, w->formId());
         writeChangedLesson(w, name, [](QJsonObject &o) { o.insert(QStringLiteral("relIndex"), QStringLiteral("x")); });
         OpenLesson(name, w->formId());
         writeFile(name, QByteArray(10 * 1024 * 1024 + 1, ' '));
         OpenLesson(name, w->formId());
         OpenLesson(dir, w->formId()); // a folder cannot be read as a file
         SaveLesson(w, dir + QStringLiteral("/fehlt/x.varelo"));
     }},
    {"menu bar: lesson dialogs and about", FormId::Spieg, 3,
     [](Form *w, const QString &) {
         menuEntry(w, QKeySequence::Open)->trigger();
         menuEntry(w, QKeySequence(QStringLiteral("Ctrl+Shift+S")))->trigger();
         menuEntry(w)->trigger(); // about Varelo
     }},
};

// Every text of the window and every message, prompt and dialog title after the scenario.
QStringList textsAfter(const Scenario &s, QTemporaryDir &dir) {
    Form *w = Forms::show(s.window);
    dialogs() = ScriptedDialogs{};
    s.provoke(w, dir.path());
    QStringList texts = shownTexts(w);
    texts << dialogs().messages << dialogs().prompts << dialogs().inputTitles << dialogs().fileTitles;
    return texts;
}

} // namespace

class TestEnglish : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void languageRule_data();
    void languageRule();
    void englishAtStart();
    void qtDialogsInTheSameLanguage_data();
    void qtDialogsInTheSameLanguage();
    void translationsAreEnglish();
    void windowsInEnglish_data();
    void windowsInEnglish();
    void printedPagesInEnglish_data();
    void printedPagesInEnglish();
    void menuAccessKeys_data();
    void menuAccessKeys();
    void messagesInEnglish_data();
    void messagesInEnglish();
    void lessonOpensInTheOtherLanguage_data();
    void lessonOpensInTheOtherLanguage();

private:
    // Of the texts with letters, at least `least` are not shared by both languages.
    void verifyNoGerman(const QStringList &texts, int least = 2);
    QList<Message> translations_;
    QStringList germanOnly_; // sources whose English differs, as whole phrases
};

void TestEnglish::initTestCase() {
    setUpProgram();
    translations_ = readTranslations();
    QVERIFY(translations_.size() > 300);
    for (const Message &m : std::as_const(translations_))
        if (hasLetter(m.source) && m.source.trimmed() != m.translation.trimmed())
            germanOnly_ << m.source.trimmed();
}

void TestEnglish::cleanup() {
    tearDownWindows();
    setInterfaceLanguage(false);
}

void TestEnglish::languageRule_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<bool>("german");
    QTest::newRow("German") << QStringList{"de"} << true;
    QTest::newRow("German of Germany") << QStringList{"de-DE", "de"} << true;
    QTest::newRow("German of Austria") << QStringList{"de-AT"} << true;
    QTest::newRow("Swiss German first, English next") << QStringList{"de-CH", "en-GB"} << true;
    QTest::newRow("English") << QStringList{"en-US", "en"} << false;
    QTest::newRow("French first, German next") << QStringList{"fr-FR", "de-DE"} << false;
    QTest::newRow("Dutch") << QStringList{"nl-NL"} << false;
    QTest::newRow("C locale") << QStringList{"C"} << false;
    QTest::newRow("none") << QStringList{} << false;
}

void TestEnglish::languageRule() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(bool, german);
    QCOMPARE(germanInterface(uiLanguages), german);
}

void TestEnglish::englishAtStart() {
    // LANGUAGE=en: the set-up as the program does it chose English.
    QVERIFY(!germanInterface(QLocale::system().uiLanguages()));
    Form *menu = Forms::show(FormId::Varelo);
    QStringList buttons;
    for (QPushButton *b : menu->findChildren<QPushButton *>())
        buttons << b->text();
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Exit", "Lenses", "Reflection", "Refraction"}));
}

void TestEnglish::qtDialogsInTheSameLanguage_data() {
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("printToFile");
    QTest::newRow("German") << true << "Abbrechen" << "In PDF-Datei drucken";
    QTest::newRow("English") << false << "Cancel" << "Print to File (PDF)";
}

void TestEnglish::qtDialogsInTheSameLanguage() {
    QFETCH(bool, german);
    QFETCH(QString, cancel);
    QFETCH(QString, printToFile);
    setInterfaceLanguage(german);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), cancel);
    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print to File (PDF)"), printToFile);
}

void TestEnglish::translationsAreEnglish() {
    // A translation that repeats its German source must be one of the texts both languages
    // share; anything else is German left in the English interface.
    int same = 0;
    for (const Message &m : std::as_const(translations_)) {
        QVERIFY2(!m.translation.isEmpty(), qPrintable(m.source));
        if (hasLetter(m.source) && m.source.trimmed() == m.translation.trimmed()) {
            ++same;
            QVERIFY2(kSameInBoth.match(m.source.trimmed()).hasMatch(), qPrintable(m.source));
        }
    }
    QVERIFY(same > 0);
}

void TestEnglish::verifyNoGerman(const QStringList &texts, int least) {
    int letters = 0;
    for (const QString &text : texts) {
        if (!hasLetter(text) || kSameInBoth.match(text.trimmed()).hasMatch())
            continue;
        ++letters;
        for (const QString &german : std::as_const(germanOnly_))
            QVERIFY2(!containsPhrase(text, german), qPrintable(QStringLiteral("%1\n  holds: %2").arg(text, german)));
    }
    QVERIFY(letters >= least);
}

void TestEnglish::windowsInEnglish_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("longest");
    const std::pair<const char *, FormId> windows[] = {
        {"menu", FormId::Varelo},           {"mirror", FormId::Spieg},        {"ray path", FormId::Bre1},
        {"imaging", FormId::Bre2},          {"lens", FormId::Lins},           {"mirror info", FormId::SpiegIn},
        {"ray path info", FormId::BreI1},   {"imaging info", FormId::BreI2},  {"lens info", FormId::LinsInf}};
    for (const auto &[name, id] : windows) {
        QTest::addRow("%s, at load", name) << int(id) << false;
        if (ModuleOf(id))
            QTest::addRow("%s, longest texts", name) << int(id) << true;
    }
}

void TestEnglish::windowsInEnglish() {
    QFETCH(int, id);
    QFETCH(bool, longest);
    EnglishLookups lookups;
    QVERIFY(lookups.loaded);
    QCoreApplication::installTranslator(&lookups);
    Form *w = Forms::show(static_cast<FormId>(id));
    if (longest)
        showLongestTexts(w);
    const QStringList texts = shownTexts(w);
    QCoreApplication::removeTranslator(&lookups);
    QVERIFY2(lookups.missing.isEmpty(), qPrintable(lookups.missing.join('\n')));
    verifyNoGerman(texts);
}

void TestEnglish::printedPagesInEnglish_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("printButton");
    QTest::newRow("mirror") << int(FormId::Spieg) << "Command3";
    QTest::newRow("ray path") << int(FormId::Bre1) << "Command2";
    QTest::newRow("imaging") << int(FormId::Bre2) << "Command3";
    QTest::newRow("lens") << int(FormId::Lins) << "Command3";
}

void TestEnglish::printedPagesInEnglish() {
    // The lines under the printed picture and the angle graph's words, with the longest texts.
    QFETCH(int, id);
    QFETCH(QString, printButton);
    QTemporaryDir dir;
    EnglishLookups lookups;
    QVERIFY(lookups.loaded);
    QCoreApplication::installTranslator(&lookups);
    Form *w = Forms::show(static_cast<FormId>(id));
    showLongestTexts(w);
    const SurfaceRecorder rec = printPage([&] { w->findChild<QPushButton *>(printButton)->click(); }, QStringLiteral("Title"), dir.filePath(QStringLiteral("page.pdf")));
    QCoreApplication::removeTranslator(&lookups);
    QVERIFY2(lookups.missing.isEmpty(), qPrintable(lookups.missing.join('\n')));
    const QStringList printed = printedTexts(rec);
    QVERIFY(printed.contains(QStringLiteral("Title")));
    verifyNoGerman(printed, 1); // a refraction page has only the title and symbols
}

void TestEnglish::menuAccessKeys_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("menu") << int(FormId::Varelo);
    QTest::newRow("mirror") << int(FormId::Spieg);
    QTest::newRow("ray path") << int(FormId::Bre1);
    QTest::newRow("imaging") << int(FormId::Bre2);
    QTest::newRow("lens") << int(FormId::Lins);
}

void TestEnglish::menuAccessKeys() {
    // The menus and their entries each have an access key, none used twice in one menu.
    QFETCH(int, id);
    Form *w = Forms::show(static_cast<FormId>(id));
    const auto keyOf = [](const QString &text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    QList<QList<QAction *>> menus{w->menuBar()->actions()};
    for (QAction *m : w->menuBar()->actions())
        menus << m->menu()->actions();
    for (const QList<QAction *> &entries : std::as_const(menus)) {
        QList<QChar> keys;
        for (QAction *a : entries) {
            if (a->isSeparator())
                continue;
            const QChar key = keyOf(a->text());
            QVERIFY2(key.isLetter(), qPrintable(a->text()));
            QVERIFY2(!keys.contains(key), qPrintable(a->text()));
            keys << key;
        }
    }
}

void TestEnglish::messagesInEnglish_data() {
    QTest::addColumn<int>("scenario");
    QTest::addColumn<bool>("marking");
    for (int i = 0; i < int(std::size(kScenarios)); ++i) {
        QTest::addRow("%s, in English", kScenarios[i].name) << i << false;
        QTest::addRow("%s, through the translation", kScenarios[i].name) << i << true;
    }
}

void TestEnglish::messagesInEnglish() {
    // In English every text found its translation and no German is left; and every text with
    // a letter, the messages' included, went through the translation (none is made up of
    // untranslated pieces).
    QFETCH(int, scenario);
    QFETCH(bool, marking);
    QTemporaryDir dir;
    MarkingTranslator marker;
    EnglishLookups lookups;
    QVERIFY(lookups.loaded);
    QCoreApplication::installTranslator(marking ? static_cast<QTranslator *>(&marker) : &lookups);
    const QStringList texts = textsAfter(kScenarios[scenario], dir);
    QCoreApplication::removeTranslator(&marker);
    QCoreApplication::removeTranslator(&lookups);
    QVERIFY2(lookups.missing.isEmpty(), qPrintable(lookups.missing.join('\n')));
    QCOMPARE(int(dialogs().messages.size() + dialogs().prompts.size() + dialogs().fileTitles.size()), kScenarios[scenario].dialogCount);
    if (!marking) {
        verifyNoGerman(texts);
        return;
    }
    for (const QString &text : texts)
        if (hasLetter(text) && text != QLatin1String("Varelo"))
            QVERIFY2(text.startsWith(QStringLiteral("«")), qPrintable(text));
}

void TestEnglish::lessonOpensInTheOtherLanguage_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<bool>("savedInGerman");
    for (const ExampleLesson &e : ExampleLessons())
        for (bool german : {true, false})
            QTest::addRow("%s, saved in %s", e.file, german ? "German" : "English") << QString::fromLatin1(e.file) << german;
}

void TestEnglish::lessonOpensInTheOtherLanguage() {
    // The file holds no text of the interface: saved in one language, opened and saved again
    // in the other, it is the same file.
    QFETCH(QString, example);
    QFETCH(bool, savedInGerman);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.varelo")), second = dir.filePath(QStringLiteral("second.varelo"));
    const auto openAndSave = [](const QString &from, const QString &to) {
        QVERIFY(OpenLesson(from, FormId::Varelo));
        Form *module = nullptr;
        for (const ModuleRow &row : Modules())
            if (Forms::isVisible(row.window))
                module = Forms::get(row.window);
        QVERIFY(module);
        QVERIFY(SaveLesson(module, to));
        QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
        tearDownWindows();
    };
    setInterfaceLanguage(savedInGerman);
    openAndSave(example, first);
    setInterfaceLanguage(!savedInGerman);
    openAndSave(first, second);
    if (QTest::currentTestFailed())
        return;
    QFile a(first), b(second);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());
}

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
