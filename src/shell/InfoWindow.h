#pragma once
// An information window: one scrollable text box with didactic notes, composed on load.
#include "shell/Form.h"

#include <QStringList>

class QPlainTextEdit;

namespace varelo {

class InfoWindow : public Form {
    Q_OBJECT
public:
    // The caption and the text (its lines separated by line feeds) are source texts,
    // translated here.
    InfoWindow(FormId id, const char *caption, double clientWidth, double clientHeight, double textWidth,
               double textHeight, int leadingEmptyLines, const char *text);
    void Form_Load() override;
    void Form_Unload() override;
    QString composedText() const { return composed_; }

    QPlainTextEdit *Text1;

private:
    double clientWidth_, clientHeight_;
    int leadingEmptyLines_;
    QStringList lines_;
    QString composed_;
};

// The four information windows with their captions and texts.
InfoWindow *createInfoWindow(FormId id);

} // namespace varelo
