#pragma once
// A window's controls, declared once in a table: kind, caption, accessible name, tooltip and
// keyboard order. One builder creates, names and orders them and connects each to the
// window's handler named after the control and its event ("Command1_Click",
// "HScroll1_Change", "Spin1_SpinUp", "Picture1_MouseDown"), found by Qt's meta-object
// system among the window's slots.
#include <QString>
#include <cstddef>
#include <map>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace varelo {

class PictureBox;
class SpinButton;
class SymbolButton;

enum class ControlKind { Label, WrapLabel, Button, Check, Option, HScroll, VScroll, TextBox, Picture, Symbol, Spin };

struct ScrollRange {
    int min = 0, max = 100, small = 1, large = 10, value = 0;
};

struct ControlSpec {
    const char *member;  // the control's name in the code
    ControlKind kind;
    const char *caption; // source text, translated in the window's context; nullptr: none
    // The accessible name where the caption cannot be one (no caption, a ditto mark, a
    // caption another control shows too); nullptr: the caption.
    const char *name = nullptr;
    // Tooltip and accessible description: what the control does and its keys; nullptr:
    // the name or the caption.
    const char *description = nullptr;
    const char *parent = nullptr;  // a picture the control sits in; nullptr: the window
    const char *handler = nullptr; // nullptr: the handler named after the control; "": none
    ScrollRange range = {};
};

class ControlTable {
public:
    // Creates the controls in the table's order, which is also the keyboard's.
    ControlTable(QWidget *window, const char *context, const ControlSpec *specs, size_t count);

    QWidget *operator[](const char *member) const;
    QLabel *label(const char *member) const;
    QPushButton *button(const char *member) const;
    QCheckBox *check(const char *member) const;
    QRadioButton *option(const char *member) const;
    QScrollBar *scroll(const char *member) const;
    QLineEdit *textBox(const char *member) const;
    PictureBox *picture(const char *member) const;
    SymbolButton *symbol(const char *member) const;
    SpinButton *spin(const char *member) const;

    // A text in the window's context, translated.
    QString tr(const char *source) const;
    // The keyboard goes through the controls that take the focus in the table's order.
    void setTabChain() const;

private:
    QWidget *create(const ControlSpec &spec);
    void connectHandler(const ControlSpec &spec, QWidget *w);

    QWidget *window_;
    const char *context_;
    const ControlSpec *specs_;
    size_t count_;
    std::map<std::string, QWidget *> controls_;
};

} // namespace varelo
