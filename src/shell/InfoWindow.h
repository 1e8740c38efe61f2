#pragma once
// An information window: one scrollable text box with didactic notes, composed on load.
#include "shell/Form.h"

#include <QStringList>

class QPlainTextEdit;

namespace varelo {

class InfoWindow : public Form {
    Q_OBJECT
public:
    InfoWindow(FormId id, const QString &caption, double clientWidth, double clientHeight,
               double textWidth, double textHeight, int leadingEmptyLines, QStringList lines);
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
