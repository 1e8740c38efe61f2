#pragma once
// An information window: one scrollable text box with didactic notes, composed on load.
#include "shell/Form.h"

#include <QStringList>

class QPlainTextEdit;

namespace varelo {

// The sizes of an information window and its text (twips), its caption and text as source
// texts (lines separated by line feeds).
struct InfoLayout {
    FormId id;
    const char *caption;
    double clientWidth, clientHeight, textWidth, textHeight;
    int leadingEmptyLines;
    const char *text;
};

class InfoWindow : public Form {
    Q_OBJECT
public:
    // The caption and the text (its lines separated by line feeds) are source texts,
    // translated here.
    explicit InfoWindow(const InfoLayout &row);
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


// The didactic texts of the modules.
extern const char *const kMirrorInfoText;
extern const char *const kRayPathInfoText;
extern const char *const kImagingInfoText;
extern const char *const kLensInfoText;

} // namespace varelo
