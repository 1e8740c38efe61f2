#pragma once
// A window's controls, declared once in a table: kind, caption, accessible name, tooltip and
// keyboard order. One builder creates, names and orders them and connects each to the
// window's handler named after the control and its event ("Command1_Click",
// "HScroll1_Change", "Spin1_SpinUp", "Picture1_MouseDown"), found by Qt's meta-object
// system among the window's slots.
#include <QString>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

class QWidget;

namespace varelo {

enum class ControlKind { Label, WrapLabel, Button, Check, Option, HScroll, VScroll, TextBox, Picture, Symbol, Spin };

struct ScrollRange {
    int min = 0, max = 100, small = 1, large = 10, value = 0;
};

// The member a control is kept in, and its name in the code.
struct ControlSlot {
    template <typename T>
    ControlSlot(T *&member, const char *memberName)
        : name(memberName), set([&member](QWidget *w) { member = static_cast<T *>(w); }) {}
    const char *name;
    std::function<void(QWidget *)> set;
};
#define VARELO_CONTROL(member) ::varelo::ControlSlot(member, #member)

struct ControlRow {
    ControlSlot slot;
    ControlKind kind;
    // Texts are source texts (QT_TR_NOOP in the window's constructor), translated in the
    // window's context.
    const char *caption; // nullptr: none
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

// A built control as a front-end other than the window sees it: the table's row with its
// widget (for its texts and place after the layout).
struct ControlEntry {
    std::string member;
    ControlKind kind;
    std::string handler; // the handler's name, or its stem for spin buttons and pictures; "" none
    std::string parent;  // "" the window
    QWidget *widget;
};

class ControlTable {
public:
    // Creates the controls in the table's order, which is also the keyboard's, and puts
    // each into its member.
    // Controls without a parent picture go into `area` (the window's client area); their
    // handlers are the window's.
    void build(QWidget *window, QWidget *area, const char *context, std::initializer_list<ControlRow> rows);

    QWidget *operator[](const char *member) const;
    // A text in the window's context, translated.
    QString tr(const char *source) const;
    // The keyboard goes through the controls that take the focus in the table's order.
    void setTabChain() const;
    const std::vector<ControlEntry> &entries() const { return entries_; }

private:
    QWidget *create(const ControlRow &row);
    void connectHandler(const ControlRow &row, QWidget *w);
    static std::string handlerName(const ControlRow &row);

    QWidget *window_ = nullptr;
    QWidget *area_ = nullptr;
    const char *context_ = "";
    std::vector<QWidget *> order_;
    std::vector<ControlEntry> entries_;
    std::map<std::string, QWidget *> controls_;
};

} // namespace varelo
