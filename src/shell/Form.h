#pragma once
// Base of the nine windows: an id for the registry, Form_Load / Form_Unload, and the
// close box routed through the registry so that closing equals unloading.
#include <QWidget>

class QMenuBar;

namespace varelo {

class ControlTable;
class Scene;


enum class FormId { Varelo, Spieg, SpiegIn, Bre1, Bre2, BreI1, BreI2, Lins, LinsInf };

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(FormId id);
    FormId formId() const { return id_; }
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // A module window's scene (nullptr for the other windows) and what the window does when
    // a lesson replaced it: its controls show the new state and the picture is drawn anew.
    virtual Scene *moduleScene() { return nullptr; }
    // The scene as a fresh one (no history, nothing being dragged), for a lesson to fill.
    virtual void resetModuleScene() {}
    virtual void sceneReplaced() {}
    // The window's controls as its table built them (none for windows without a table).
    virtual const ControlTable *controlTable() const { return nullptr; }
    // The whole picture anew.
    virtual void Redraw() {}
    // A view option of the "Ansicht" menu changed: the picture and what else shows the
    // scene are drawn anew.
    virtual void viewChanged() { Redraw(); }

    // A module window's look: its title, the grey panel and the classic font its controls
    // inherit.
    void setModuleLook(const QString &title);

    // Sets the client area: position and size in twips.
    void setClientTwips(double left, double top, double width, double height);

    // A module window's menu bar, and the area under it where its controls live: sizing
    // that area sizes the window around it. Without a menu bar the area is the window.
    QMenuBar *createMenuBar();
    QMenuBar *menuBar() const { return menuBar_; }
    QWidget *clientArea();

    // The whole screen for the window, laid out by the same rules as in its frame; off, the
    // window in its frame again.
    void setFullScreenLayout(bool on);

signals:
    // Emitted once when the registry unloads the window.
    void unloaded();
    void fullScreenChanged(bool on);

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    // A module window places its controls anew for its present frame and draws its picture.
    virtual void layoutForScreen() {}

private:
    bool laidOutFullScreen_ = false;
    FormId id_;
    QMenuBar *menuBar_ = nullptr;
    QWidget *client_ = nullptr;
};

} // namespace varelo
